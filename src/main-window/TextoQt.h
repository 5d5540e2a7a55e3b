#pragma once
// The window's edge: the core speaks CP1252 bytes, Qt speaks QString.

#include <QString>
#include <string>

namespace zq::janela {

QString DoNucleo(const std::string& cp1252);
std::string ParaNucleo(const QString& texto);
// The core's "\r" and "\r\n" line breaks as Qt shows them.
QString ComQuebras(const std::string& cp1252);

}  // namespace zq::janela
