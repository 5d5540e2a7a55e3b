#pragma once
// One running window per user: a lock file in the runtime folder, and a local server of the same name that
// the first instance listens on. A second start finds the lock held, asks the first through the server to
// come to the front, and ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace zq::janela {

class TInstanciaUnica final : public QObject {
    Q_OBJECT
public:
    // `nome`: the program's file name without folder and extension; `pasta`: where the lock file lives.
    TInstanciaUnica(const QString& nome, const QString& pasta);

    // True for the first instance (it now listens); false after the first was asked to show itself.
    bool Primeira();

signals:
    void MostrarPedido();

private:
    void AvisarPrimeira();

    QString nomeServidor_;
    QLockFile trava_;
    std::unique_ptr<QLocalServer> servidor_;
};

// The name of the server and lock of a program for the current user.
QString NomeInstancia(const QString& programa);

}  // namespace zq::janela
