// The socket's name is a hash of the save folder's full path, so every start
// on one folder finds the same name, and the name stays short.
#include "app/window/already_open.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QWidget>
#include <system_error>

namespace zemra {
namespace {

constexpr int kCallTimeoutMs = 1000;

QString BeaconName(const std::filesystem::path& save_dir) {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::absolute(save_dir.empty() ? "." : save_dir, error);
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
  if (!error) folder = canonical;
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(folder.string()), QCryptographicHash::Sha256);
  return QStringLiteral("zemra6-") + QString::fromLatin1(hash.toHex().left(24));
}

}  // namespace

FirstWindowBeacon::FirstWindowBeacon(QWidget& window, const std::filesystem::path& save_dir) {
  const QString name = BeaconName(save_dir);
  // The sitting holds the folder's lock, so a socket left under this name is a crashed sitting's.
  QLocalServer::removeServer(name);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(&server_, &QLocalServer::newConnection, &window, [this, &window] {
    while (QLocalSocket* caller = server_.nextPendingConnection()) {
      caller->deleteLater();
      if (window.isMinimized()) window.showNormal();
      window.raise();
      window.activateWindow();
    }
  });
  server_.listen(name);
}

bool CallFirstWindowForward(const std::filesystem::path& save_dir) {
  QLocalSocket socket;
  socket.connectToServer(BeaconName(save_dir));
  if (!socket.waitForConnected(kCallTimeoutMs)) return false;
  socket.disconnectFromServer();
  return true;
}

}  // namespace zemra
