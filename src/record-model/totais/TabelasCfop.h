#pragma once
// Fixed CFOP lists of the invoice rules, the situation codes of the document records and the ICMS rate
// expected for an interstate entry.
//
// A CFOP belongs to a list when its text equals one of the list's texts exactly: the three-digit codes of the
// earlier layout ("195") are members as three-character texts. Test a TCfop through its Texto().

#include <string_view>

namespace zq {

// Operations for which the warning on the sum of an invoice's values is not issued.
bool CfopSemAdvertenciaDeValores(std::string_view cfop);
// Operations exempt from the check that the total equals base plus exempt plus other amounts.
bool CfopSemConferenciaDeValores(std::string_view cfop);
// True for every CFOP outside the list of entries whose ICMS is not counted as credit.
bool CfopForaDaListaC(std::string_view cfop);

// "N", "S", "E" and "X" for every record; "2" and "4" also for records 50 and 70. Case matters.
bool SituacaoValida(int tipoRegistro, std::string_view situacao);
bool SituacaoValida(int tipoRegistro, char situacao);
// A cancelled document: "S", "X", "2" or "4".
bool SituacaoCancelada(char situacao);

// The ICMS rate, in percent, expected for an entry invoice (record 50 with an entry CFOP) from the state
// `uf`: 17 from abroad, 25 for the CFOPs of the higher rate, otherwise the interstate rate of the state of
// origin (7 from the South and Southeast but 12 for CFOP 2551 from there, 12 from the other states).
double AliquotaInterestadualEsperada(std::string_view uf, bool entrada, bool exterior, std::string_view cfop);

}  // namespace zq
