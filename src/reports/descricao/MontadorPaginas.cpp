#include "reports/descricao/MontadorPaginas.h"

namespace zq {

void TEscritorBanda::Texto(double x, double y, double largura, std::string texto, TEstiloTexto estilo,
                           TAlinhamento alinhamento) {
    banda_.Textos.push_back({esquerda_ + x, banda_.Topo + y, largura, kAlturaLinha, std::move(texto), estilo,
                             alinhamento});
}

void TEscritorBanda::Legenda(double x, double y, std::string texto) {
    const double largura = LarguraMono(texto);
    Texto(x, y, largura, std::move(texto), kMono);
}

void TEscritorBanda::Regua(double x1, double y, double x2, double espessura) {
    banda_.Reguas.push_back({esquerda_ + x1, banda_.Topo + y, esquerda_ + x2, banda_.Topo + y, espessura});
}

void TEscritorBanda::Imagem(double x, double y, double largura, double altura, std::string nome) {
    banda_.Imagens.push_back({esquerda_ + x, banda_.Topo + y, largura, altura, std::move(nome)});
}

double TMontadorPaginas::Restante() const {
    if (documento_.Paginas.empty()) return 0;
    return documento_.AlturaPagina - documento_.MargemInferior - proximoTopo_;
}

void TMontadorPaginas::NovaPagina() {
    documento_.Paginas.emplace_back();
    proximoTopo_ = documento_.MargemSuperior;
}

TEscritorBanda TMontadorPaginas::Banda(const std::string& nome, double altura) {
    if (altura > Restante() + 1e-9) NovaPagina();
    auto& bandas = documento_.Paginas.back().Bandas;
    bandas.push_back({nome, proximoTopo_, altura, {}, {}, {}});
    proximoTopo_ += altura;
    return TEscritorBanda(bandas.back(), documento_.MargemEsquerda);
}

TEscritorBanda TMontadorPaginas::Rodape(const std::string& nome, double altura) {
    if (altura > Restante() + 1e-9) NovaPagina();
    auto& bandas = documento_.Paginas.back().Bandas;
    const double topo = documento_.AlturaPagina - documento_.MargemInferior - altura;
    bandas.push_back({nome, topo, altura, {}, {}, {}});
    proximoTopo_ = topo + altura;
    return TEscritorBanda(bandas.back(), documento_.MargemEsquerda);
}

}  // namespace zq
