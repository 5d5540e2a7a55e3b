#include "record-model/comum/DigitosVerificadores.h"

#include <algorithm>
#include <array>
#include <utility>

#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "record-model/comum/Texto.h"

namespace zq {
namespace {

thread_local std::string mensagemDigito;

// The message is copied into the storage the last one used: a check that fails on every line allocates once.
bool Falha(std::string_view mensagem) {
    mensagemDigito.assign(mensagem);
    return false;
}

bool Sucesso() {
    mensagemDigito.clear();
    return true;
}

int ValorDigito(char c) { return IsDigito(c) ? c - '0' : 0; }

// Modulo-11 digit of the CNPJ and CPF from the weighted sum of its digits.
char DigitoModulo11(int soma) {
    const int resto = soma * 10 % 11;
    return static_cast<char>('0' + (resto == 10 ? 0 : resto));
}

constexpr int kPesoMaximoCnpj = 9;
constexpr int kPesoMaximoCpf = 11;

// The weights of the base digits in the sums of the two check digits. Weights 2, 3, ... from the right, back to
// 2 after `kPesoMaximo`; the second digit is computed over the base followed by the first, so each base digit
// weighs one step more in its sum.
template <std::size_t kTamanhoBase, int kPesoMaximo>
struct PesosControle {
    std::array<int, kTamanhoBase> primeiro{};
    std::array<int, kTamanhoBase> segundo{};

    constexpr PesosControle() {
        int peso = 2;
        for (std::size_t i = kTamanhoBase; i-- > 0;) {
            const int proximoPeso = peso == kPesoMaximo ? 2 : peso + 1;
            primeiro[i] = peso;
            segundo[i] = proximoPeso;
            peso = proximoPeso;
        }
    }
};

// The two check digits after `kTamanhoBase` digits.
template <std::size_t kTamanhoBase, int kPesoMaximo>
bool ControleConfere(std::string_view texto) {
    static constexpr PesosControle<kTamanhoBase, kPesoMaximo> kPesos;
    if (texto.size() < kTamanhoBase + 2) return false;
    int somaPrimeiro = 0;
    int somaSegundo = 0;
    for (std::size_t i = 0; i < kTamanhoBase; ++i) {
        const int digito = ValorDigito(texto[i]);
        somaPrimeiro += digito * kPesos.primeiro[i];
        somaSegundo += digito * kPesos.segundo[i];
    }
    const char primeiro = DigitoModulo11(somaPrimeiro);
    const char segundo = DigitoModulo11(somaSegundo + 2 * (primeiro - '0'));
    return texto[kTamanhoBase] == primeiro && texto[kTamanhoBase + 1] == segundo;
}

bool SoZeros(std::string_view digitos) {
    return std::all_of(digitos.begin(), digitos.end(), [](char c) { return c == '0'; });
}

struct CodigoCrc {
    std::string_view uf;
    std::string_view numero;
};

constexpr std::array<CodigoCrc, 41> kUfsCrc{{
    {"AC", "26"}, {"AL", "09"}, {"AM", "01"}, {"AP", "25"}, {"BA", "11"}, {"CD", "40"}, {"CE", "05"},
    {"CF", "24"}, {"CL", "44"}, {"DF", "21"}, {"ES", "12"}, {"FR", "99"}, {"GB", "22"}, {"GO", "20"},
    {"LB", "45"}, {"LG", "30"}, {"MA", "03"}, {"MG", "18"}, {"MS", "23"}, {"MT", "19"}, {"NI", "00"},
    {"NR", "31"}, {"PA", "02"}, {"PE", "08"}, {"PF", "51"}, {"PI", "04"}, {"PJ", "52"}, {"PR", "15"},
    {"PV", "41"}, {"RJ", "13"}, {"RN", "06"}, {"RO", "29"}, {"RR", "27"}, {"RS", "17"}, {"SC", "16"},
    {"SE", "10"}, {"SP", "14"}, {"TH", "42"}, {"TO", "28"}, {"TP", "43"}, {"ZQ", "07"},
}};

char DigitoSituacaoCrc(char letra) {
    switch (letra) {
        case 'O': return '1';
        case 'T': return '2';
        case 'S': return '3';
        case 'P': return '4';
        case 'K': return '5';
        case 'E':
        case 'F': return '6';
        default: return 0;
    }
}

// The ten-character key whose digits give the CRC's check digit: a space, the state's number, the six
// characters of the registration and the situation's digit.
std::string ChaveCrc(const std::string& crc) {
    const std::string_view uf = std::string_view(crc).substr(0, 2);
    const auto codigo = std::find_if(kUfsCrc.begin(), kUfsCrc.end(), [&](const CodigoCrc& c) { return c.uf == uf; });
    if (codigo == kUfsCrc.end()) throw Excecao(Formatar("UF de CRC inválida: '%s'", {uf}));
    const char situacao = DigitoSituacaoCrc(crc[8]);
    if (situacao == 0) throw Excecao(Formatar("Situação de CRC inválida: '%s'", {std::string(1, crc[8])}));
    return " " + std::string(codigo->numero) + crc.substr(2, 6) + situacao;
}

bool DigitoCrcConfere(const std::string& crc) {
    const std::string chave = ChaveCrc(crc);
    int soma = 0;
    for (std::size_t i = 1; i < chave.size(); ++i) {
        if (!IsDigito(chave[i])) {
            throw EErroConversao(Formatar("'%s' não é um valor inteiro válido", {std::string(1, chave[i])}));
        }
        soma += (chave[i] - '0') * static_cast<int>(11 - i);
    }
    for (int k = 1; k <= 5; ++k) {
        const int resto = (3 * k + soma) % 11;
        if (crc[9] == '0' + (resto > 1 ? 11 - resto : 0)) return true;
    }
    return false;
}

// The digits of the text, right-aligned in `digitos` (what does not fit is dropped from the left); returns how
// many the text holds.
template <std::size_t N>
std::size_t DigitosAlinhados(std::string_view texto, std::array<char, N>& digitos) {
    if (texto.size() <= N && SoDigitosEm(texto)) {  // the usual text: digits only
        std::copy(texto.begin(), texto.end(), digitos.end() - static_cast<std::ptrdiff_t>(texto.size()));
        return texto.size();
    }
    std::size_t quantidade = 0;
    for (auto c = texto.rbegin(); c != texto.rend(); ++c) {
        if (!IsDigito(*c)) continue;
        if (quantidade < N) digitos[N - 1 - quantidade] = *c;
        ++quantidade;
    }
    return quantidade;
}

}  // namespace

bool ValidarCnpj(std::string_view cnpj) {
    // A CNPJ of 14 digits is checked as 15, with a zero before it.
    std::array<char, 15> digitos;
    digitos.fill('0');
    const std::size_t quantidade = DigitosAlinhados(cnpj, digitos);
    if (quantidade == 0) return Falha("CNPJ não fornecido (valor vazio)");
    if (quantidade != 14 && quantidade != 15) return Falha("Tamanho incorreto de CNPJ (diferente de 14 ou 15)");
    const std::string_view texto(digitos.data(), digitos.size());
    if (SoZeros(texto)) return Falha("CNPJ contém apenas zeros");
    return ControleConfere<13, kPesoMaximoCnpj>(texto) ? Sucesso() : Falha("Controle do CNPJ incorreto");
}

bool ValidarCpf(std::string_view cpf) {
    std::array<char, 11> digitos;
    const std::size_t quantidade = DigitosAlinhados(cpf, digitos);
    if (quantidade == 0) return Falha("CPF não fornecido (valor vazio)");
    if (quantidade != 11) return Falha("Tamanho incorreto de CPF (diferente de 11)");
    const std::string_view texto(digitos.data(), digitos.size());
    if (SoZeros(texto)) return Falha("CPF contém apenas zeros");
    return ControleConfere<9, kPesoMaximoCpf>(texto) ? Sucesso() : Falha("Controle do CPF incorreto");
}

bool ValidarCrc(std::string_view crc) {
    const std::string_view aparado = Aparar(crc);
    if (aparado.size() != 10) return Falha(Formatar("CRC de tamanho inválido, diferente de 10: '%s'", {aparado}));
    try {
        return DigitoCrcConfere(Maiusculas(aparado)) ? Sucesso() : Falha("CRC com dígito verificador inválido!");
    } catch (const Excecao& erro) {
        return Falha(erro.what());
    }
}

void VerificarCrc(std::string_view crc) {
    if (!ValidarCrc(crc)) throw Excecao(mensagemDigito);
}

const std::string& MensagemDigito() { return mensagemDigito; }

bool CnpjValido(std::string_view cnpj) { return ControleConfere<12, kPesoMaximoCnpj>(cnpj); }

bool CpfValido(std::string_view cpf) { return ControleConfere<9, kPesoMaximoCpf>(cpf); }

bool DigitoMod11Valido(std::int64_t numero) {
    if (numero < 0) return false;
    const std::int64_t digito = numero % 10;
    std::int64_t soma = 0;
    std::int64_t peso = 2;
    for (std::int64_t resto = numero / 10; resto > 0; resto /= 10) soma += resto % 10 * peso++;
    const std::int64_t r = soma % 11;
    return digito == (r <= 1 ? 0 : 11 - r);
}

}  // namespace zq
