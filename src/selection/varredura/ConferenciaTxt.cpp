#include "selection/varredura/ConferenciaTxt.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/Plataforma.h"
#include "record-model/comum/Excecao.h"
#include "record-model/comum/Formatador.h"
#include "selection/tabelas/TabelaMemoria.h"
#include "selection/varredura/DataHoraArquivo.h"

namespace zq {

std::uint32_t Crc32Arquivo(const std::string& arquivo) {
    std::ifstream entrada(CaminhoNativo(arquivo), std::ios::binary);
    if (!entrada) {
        throw Excecao("ERRO FATAL no cálculo do CRC-32!!!\r\r" +
                      Formatar("Não foi possível abrir o arquivo '%s'.", {arquivo}));
    }
    uLong crc = crc32(0L, Z_NULL, 0);
    std::vector<char> bloco(1 << 16);
    while (entrada) {
        entrada.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
        const auto lidos = entrada.gcount();
        if (lidos > 0) crc = crc32(crc, reinterpret_cast<const Bytef*>(bloco.data()), static_cast<uInt>(lidos));
    }
    if (entrada.bad()) {
        throw Excecao("ERRO FATAL no cálculo do CRC-32!!!\r\r" +
                      Formatar("Não foi possível ler o arquivo '%s'.", {arquivo}));
    }
    return static_cast<std::uint32_t>(crc);
}

std::string ConferirTxt(const std::string& pathTxt, std::int64_t tamanhoTxt, std::chrono::local_seconds dataHoraTxt,
                        std::uint32_t crcTxt) {
    std::error_code erro;
    const auto caminho = CaminhoNativo(pathTxt);
    if (!std::filesystem::is_regular_file(caminho, erro)) {
        throw Excecao(Formatar("Arquivo txt Sintegra não localizado: '%s'", {pathTxt}));
    }
    const auto tamanho = static_cast<std::int64_t>(std::filesystem::file_size(caminho, erro));
    if (erro || tamanho != tamanhoTxt) {
        throw Excecao(Formatar("ERRO FATAL!!!\r\rTamanho TXT inconsistente...\r   Encontrado: %d\r   Esperado: %d",
                               {static_cast<long long>(tamanho), static_cast<long long>(tamanhoTxt)}));
    }
    const auto dataHora = DataHoraArquivo(pathTxt);
    if (!dataHora || *dataHora != dataHoraTxt) {
        throw Excecao(Formatar("ERRO FATAL!!!\r\rData/Hora TXT inconsistente...\r   Encontrada: %s\r   Esperada: %s",
                               {dataHora ? TextoDataHora(*dataHora) : std::string(), TextoDataHora(dataHoraTxt)}));
    }
    const std::uint32_t crc = Crc32Arquivo(pathTxt);
    if (crc != crcTxt) {
        throw Excecao(Formatar("ERRO FATAL!!!\r\rCRC-32 TXT inconsistente...\r   Encontrado: %x\r   Esperado: %x",
                               {static_cast<unsigned long>(crc), static_cast<unsigned long>(crcTxt)}));
    }
    return pathTxt;
}

}  // namespace zq
