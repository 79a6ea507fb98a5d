// One running game per user: a lock file and a local socket named after
// "Quintavo " (the product name and one blank) in the user's runtime folder.
#pragma once

#include <memory>

#include <QString>

class QLocalServer;
class QLockFile;

namespace quintavo::app {

inline constexpr char InstanceName[] = "Quintavo ";

class SingleInstance {
public:
    // `folder` empty: the user's runtime folder.
    explicit SingleInstance(QString name = QString::fromLatin1(InstanceName), QString folder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another instance of this user holds the name. A folder where
    // no lock can be made counts as free: the game never fails to start for it.
    bool Acquire();
    bool Held() const;

    QString LockFilePath() const;
    QString ServerPath() const;

private:
    QString m_name;
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace quintavo::app
