#include "main-window/InstanciaUnica.h"

#include <unistd.h>

#include <QDir>
#include <QLocalSocket>

namespace zq::janela {
namespace {

constexpr int kEsperaMs = 2000;
const QByteArray kPedidoMostrar = QByteArrayLiteral("mostrar\n");

}  // namespace

QString NomeInstancia(const QString& programa) { return programa + QStringLiteral("-%1").arg(::getuid()); }

TInstanciaUnica::TInstanciaUnica(const QString& nome, const QString& pasta)
    : nomeServidor_(NomeInstancia(nome)), trava_(QDir(pasta).filePath(nomeServidor_ + QStringLiteral(".lock"))) {
    trava_.setStaleLockTime(0);  // a lock is stale only when its process is gone
}

bool TInstanciaUnica::Primeira() {
    if (!trava_.tryLock(0)) {
        AvisarPrimeira();
        return false;
    }
    // A server left by a crashed first instance would refuse the name.
    QLocalServer::removeServer(nomeServidor_);
    servidor_ = std::make_unique<QLocalServer>();
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(servidor_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* conexao = servidor_->nextPendingConnection()) {
            connect(conexao, &QLocalSocket::readyRead, this, [this, conexao] {
                if (conexao->readAll().contains(kPedidoMostrar)) emit MostrarPedido();
                conexao->disconnectFromServer();
            });
            connect(conexao, &QLocalSocket::disconnected, conexao, &QObject::deleteLater);
        }
    });
    servidor_->listen(nomeServidor_);
    return true;
}

void TInstanciaUnica::AvisarPrimeira() {
    QLocalSocket conexao;
    conexao.connectToServer(nomeServidor_);
    if (!conexao.waitForConnected(kEsperaMs)) return;
    conexao.write(kPedidoMostrar);
    conexao.waitForBytesWritten(kEsperaMs);
    conexao.disconnectFromServer();
    if (conexao.state() != QLocalSocket::UnconnectedState) conexao.waitForDisconnected(kEsperaMs);
}

}  // namespace zq::janela
