#pragma once
// Text helpers of the record model. Texts are CP1252 byte strings: lengths and positions count bytes.
//
// The normalising helpers come in two forms: one returns a new text, the other writes into a destination
// whose storage is reused, so a record parsing millions of lines does not allocate for each of them.
// The destination may hold the source text itself.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "record-model/comum/Digitos.h"
#include "record-model/comum/Moeda.h"

namespace zq {

// The first `tamanho` characters of `texto`, padded with `c` up to `tamanho` (on the left or on the right).
std::string PreencherEsquerda(std::string_view texto, int tamanho, char c);
std::string PreencherZeros(std::string_view texto, int tamanho);
std::string PreencherDireita(std::string_view texto, int tamanho, char c);

std::string Espacos(int n);
std::string Esquerda(std::string_view texto, int n);
// The last `n` characters; the whole text when it is not longer than `n`.
std::string Direita(std::string_view texto, int n);

std::string SoDigitos(std::string_view texto);
void SoDigitos(std::string_view texto, std::string& destino);
// Digits and the ASCII letters.
std::string SoAlfanumericos(std::string_view texto);
void SoAlfanumericos(std::string_view texto, std::string& destino);
int ContarDigitos(std::string_view texto);

// Accented letters of the accent table ("àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ") replaced by their plain letters.
std::string RemoverAcentos(std::string_view texto);
void RemoverAcentos(std::string_view texto, std::string& destino);
// Trimmed of blanks and control characters, runs of spaces reduced to one, accents removed.
std::string NormalizarTexto(std::string_view texto);
void NormalizarTexto(std::string_view texto, std::string& destino);
// Without leading and trailing spaces (the space character only).
std::string AparaEspacos(std::string_view texto);
void AparaEspacos(std::string_view texto, std::string& destino);
// Trimmed of blanks and control characters at both ends.
std::string_view Aparar(std::string_view texto);
// ASCII letters only; other bytes are kept as they are.
std::string Maiusculas(std::string_view texto);
void Maiusculas(std::string_view texto, std::string& destino);
std::string Minusculas(std::string_view texto);
void Minusculas(std::string_view texto, std::string& destino);

// Every occurrence of `procura` replaced by `troca`, left to right, the inserted text not scanned again.
std::string SubstituirTexto(std::string_view texto, std::string_view procura, std::string_view troca);

// A nine-character registration with the edit mask of its state ("9999999-99" for PE, "99.999.999-9" for the
// others); any other registration comes back trimmed.
std::string MascararInscricao(const std::string& ie, const std::string& uf);

struct MaiorMenor {
    int indiceMaior = -1;
    int tamanhoMaior = 0;
    int indiceMenor = -1;
    int tamanhoMenor = 0;
};
// The longest and the shortest text of the list (the first one wins a tie); both indexes -1 when empty.
MaiorMenor MaiorEMenor(const std::vector<std::string>& lista);

constexpr bool IsLetra(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// The ASCII letters in upper case; other bytes as they are.
constexpr char MaiusculaAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The date of a "yyyymmdd" text; raises EErroConversao when it is not a real date.
std::chrono::year_month_day DataDoAAAAMMDD(std::string_view texto);

// 20% of the amount, to four decimals, the nearest unit (a tie cannot occur).
Moeda VintePorCento(Moeda valor);

}  // namespace zq
