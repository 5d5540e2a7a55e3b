#include "main-window/TextoQt.h"

#include "platform/Cp1252.h"

namespace zq::janela {

QString DoNucleo(const std::string& cp1252) { return QString::fromStdString(Cp1252ParaUtf8(cp1252)); }

std::string ParaNucleo(const QString& texto) { return Utf8ParaCp1252(texto.toStdString()); }

QString ComQuebras(const std::string& cp1252) {
    QString texto = DoNucleo(cp1252);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}

}  // namespace zq::janela
