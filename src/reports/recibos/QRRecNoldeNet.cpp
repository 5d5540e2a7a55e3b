#include "reports/recibos/QRRecNoldeNet.h"

namespace zq {

const char* const kDepartamentoDeclaracoes = "Diretoria de Informações Econômico-Fiscais";

TArquivoTransmitido TArquivoTransmitido::De(const std::string&) { return {}; }

TQRRecNoldeNet::TQRRecNoldeNet(TIdentificacaoPrograma programa, TArquivoTransmitido arquivo,
                               std::size_t quantidadeRecibos, std::chrono::local_seconds agora)
    : programa_(std::move(programa)), arquivo_(std::move(arquivo)), quantidadeRecibos_(quantidadeRecibos), agora_(agora) {}

TDocumentoRelatorio TQRRecNoldeNet::Descrever(const TTabelaRelatorio&) const { return {}; }

}  // namespace zq
