#pragma once
// Transmission files and their receipt files written by an independent writer (Python, with the zip tool for
// the records' ZIPs), as the authority's transmission service would.

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "selection/Xrazq.h"
#include "support/PastaTeste.h"

namespace zq::teste {

// argv: JSON file. Writes the ".sfn" and, when "recibos" is present, the ".rcb"; prints each record's data code.
inline const char* const kEscritorPython = R"(
import hashlib, json, os, struct, subprocess, sys, tempfile, zlib
descricao = json.load(open(sys.argv[1]))
corpo = bytes([descricao['id']]) + descricao['periodo'].encode()
codigos = []
for registro in descricao['registros']:
    if 'txt' in registro:
        pasta = tempfile.mkdtemp()
        zip_ = os.path.join(pasta, 'r.zip')
        subprocess.run(['zip', '-q', '-j', '-P', 'QbrLmkahzeq', zip_, registro['txt']], check=True)
        dados = open(zip_, 'rb').read()
    else:
        dados = registro['bytes'].encode('latin-1')
    tamanho = registro.get('tamanho', len(dados))
    bytes_ = registro['ie'].encode() + struct.pack('<i', tamanho) + dados
    codigos.append(hashlib.md5(bytes_).hexdigest().upper())
    corpo += bytes_
open(descricao['sfn'], 'wb').write(struct.pack('<I', zlib.crc32(corpo)) + corpo)
if 'recibos' in descricao:
    linhas = []
    for r in descricao['recibos']:
        if 'linha' in r:
            linhas.append(r['linha'])
            continue
        codigo = codigos[r['registro']] if 'registro' in r else r['codigo']
        texto = ' '.join([str(r.get('magico', descricao['id'])), r.get('periodo', descricao['periodo']), r['ie'],
                          r.get('data', '10/01/2016'), r.get('hora', '10:20:30'), codigo])
        recibo = '-1' if codigo == '-1' else hashlib.md5(texto.encode('latin-1')).hexdigest().upper()
        linha = texto + ' ' + recibo
        if 'duplicidade' in r:
            linha += ' ' + str(r['duplicidade'])
        linhas.append(linha + ' ' * r.get('brancos', 0))
    open(os.path.splitext(descricao['sfn'])[0] + '.rcb', 'w', encoding='latin-1', newline='').write('\r\n'.join(linhas) + '\r\n')
print('\n'.join(codigos))
)";

// Runs the writer on the JSON text; the data codes it printed.
inline std::vector<std::string> EscreverTransmissao(const std::string& json) {
    PastaTeste pasta;
    GravarArquivo(pasta / "escritor.py", kEscritorPython);
    GravarArquivo(pasta / "descricao.json", json);
    const std::string comando = "python3 " + Aspas((pasta / "escritor.py").string()) + " " +
                                Aspas((pasta / "descricao.json").string()) + " >" + Aspas((pasta / "codigos").string());
    if (std::system(comando.c_str()) != 0) throw std::runtime_error("escritor de transmissão falhou");
    std::vector<std::string> codigos;
    std::istringstream texto(LerArquivo(pasta / "codigos"));
    for (std::string linha; std::getline(texto, linha);) {
        if (!linha.empty()) codigos.push_back(linha);
    }
    return codigos;
}

}  // namespace zq::teste
