#include "operators/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {
const QString kScheme = QStringLiteral("pbkdf2-sha256");
const QChar kSeparator = QLatin1Char('$');
const int kSaltBytes = 16;
const int kKeyBytes = 32;

struct StoredHash {
    bool valid = false;
    int rounds = 0;
    QByteArray salt;
    QByteArray key;
};

StoredHash parse(const QString& stored) {
    const QStringList parts = stored.split(kSeparator);
    StoredHash hash;
    if (parts.size() != 4 || parts.at(0) != kScheme)
        return hash;
    bool ok = false;
    hash.rounds = parts.at(1).toInt(&ok);
    const auto salt = QByteArray::fromBase64Encoding(parts.at(2).toLatin1(),
                                                     QByteArray::AbortOnBase64DecodingErrors);
    const auto key = QByteArray::fromBase64Encoding(parts.at(3).toLatin1(),
                                                    QByteArray::AbortOnBase64DecodingErrors);
    hash.valid = ok && hash.rounds > 0 && salt && key && !salt.decoded.isEmpty() &&
                 key.decoded.size() == kKeyBytes;
    hash.salt = salt.decoded;
    hash.key = key.decoded;
    return hash;
}

QByteArray derive(const QString& password, const QByteArray& salt, int rounds) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              rounds, kKeyBytes);
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0;
}
} // namespace

QString PasswordHash::of(const QString& password) {
    if (password.isEmpty())
        return {};
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          kSaltBytes / int(sizeof(quint32)));
    return QStringList{kScheme, QString::number(kRounds), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, kRounds).toBase64())}
        .join(kSeparator);
}

bool PasswordHash::matches(const QString& stored, const QString& typed) {
    const StoredHash hash = parse(stored);
    if (!hash.valid)
        return typed == stored;
    return !typed.isEmpty() && sameBytes(derive(typed, hash.salt, hash.rounds), hash.key);
}

bool PasswordHash::needsRehash(const QString& stored) {
    if (stored.isEmpty())
        return false;
    const StoredHash hash = parse(stored);
    return !hash.valid || hash.rounds < kRounds;
}
