// Gaps in the numbering of the declarant's output invoices, reported by the
// first record 90 of the file.

#include "support/DeclaracaoHost.h"
#include "support/Registros50a76.h"

namespace zq::teste {
namespace {

using testing::HasSubstr;
using testing::Not;

std::string Registro90() {
    return Linha126(Texto("90" + std::string(kCnpjDeclarante) + Texto("161234569", 14), 125) + "1");
}

std::vector<std::string> Saidas(std::initializer_list<long long> numeros, char situacao = 'N') {
    std::vector<std::string> linhas;
    for (long long numero : numeros) {
        Registro50 nota;
        nota.numero = numero;
        nota.situacao = situacao;
        linhas.push_back(nota.Linha());
    }
    return linhas;
}

const std::string kLacuna = "A(s) nota(s) fiscal(is) de";

class LacunasNotasTest : public DeclaracaoHostTest {
protected:
    // Record 10, the invoices, one record 88 and the record 90.
    std::string CriticarComRegistro90(const std::vector<std::string>& notas) {
        std::vector<std::string> linhas{Registro10().Linha()};
        linhas.insert(linhas.end(), notas.begin(), notas.end());
        linhas.push_back(Registro88());
        linhas.push_back(Registro90());
        return Criticar(linhas);
    }
};

TEST_F(LacunasNotasTest, NotasDeSaidaUmDoisECincoTemUmaLacuna) {
    const std::string relatorio = CriticarComRegistro90(Saidas({1, 2, 5}));
    EXPECT_THAT(relatorio, HasSubstr("ADVERTÊNCIA (Reg 50): A(s) nota(s) fiscal(is) de 3 a 4 não está(ã0) "
                                     "declarada(s) na série de notas '1  '. \r\n"));
    EXPECT_EQ(relatorio.find(kLacuna), relatorio.rfind(kLacuna));
}

TEST_F(LacunasNotasTest, NotasDeSaidaUmENoveNoveNoveSemLacuna) {
    EXPECT_THAT(CriticarComRegistro90(Saidas({1, 999999})), Not(HasSubstr(kLacuna)));
}

// Cancelled invoices still hold their numbers.
TEST_F(LacunasNotasTest, NotaCanceladaPreencheANumeracao) {
    auto linhas = Saidas({1, 3});
    const auto cancelada = Saidas({2}, 'S');
    linhas.insert(linhas.begin() + 1, cancelada.begin(), cancelada.end());
    EXPECT_THAT(CriticarComRegistro90(linhas), Not(HasSubstr(kLacuna)));
}

TEST_F(LacunasNotasTest, SemRegistro90NaoHaVerificacaoDeLacunas) {
    EXPECT_THAT(CriticarDeclaracao(Saidas({1, 2, 5})), Not(HasSubstr(kLacuna)));
}

}  // namespace
}  // namespace zq::teste
