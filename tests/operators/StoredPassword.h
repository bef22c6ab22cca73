#pragma once
// Whether a stored Pass is a salted PBKDF2-SHA256 hash of the password, of at least
// 100,000 rounds, worked out here again from its salt.

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QStringList>

inline bool isHashOf(const QString& stored, const QString& password) {
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts.at(0) != QLatin1String("pbkdf2-sha256") ||
        parts.at(1).toInt() < 100000)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts.at(3).toLatin1());
    return salt.size() >= 16 &&
           QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              parts.at(1).toInt(), key.size()) == key;
}
