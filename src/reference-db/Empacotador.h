#pragma once
// The package and its text sources. The sources are a folder with "schema.sql" (the tables, created in that
// order) and one "<table>.tsv" per table with rows: a header line of column names, then one line per row,
// fields separated by tabs, "\N" for an empty value, and "\\", "\t", "\n", "\r" for those characters.
// Dates and date-times are ISO-8601 text, decimals their exact decimal text.

#include <filesystem>

namespace zq {

// Builds the database from the sources and writes the package (ZIP with password, shifted by the cipher).
// The package is replaced only when complete. Excecao saying what is wrong (file and line for a row).
void EmpacotarReferencia(const std::filesystem::path& pastaFontes, const std::filesystem::path& pacote);

// Writes the sources of a package into the folder (created when missing), in the form EmpacotarReferencia
// reads: unpacking the package built from a folder gives that folder's files back.
void DesempacotarReferencia(const std::filesystem::path& pacote, const std::filesystem::path& pastaFontes);

}  // namespace zq
