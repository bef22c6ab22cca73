#pragma once
// Operators' passwords at rest. The Users table keeps a salted, slow hash of each
// password ("pbkdf2-sha256$ROUNDS$SALT$KEY", salt and key in Base64), never the password.
// An empty Pass stays empty: it means that no password has been set yet (the first
// login of "admin" asks for one). A Pass that is not a hash is a password stored in
// plain text by an earlier version; it is still accepted, and replaced by its hash at
// that operator's next login.

#include <QString>

namespace PasswordHash {
// Rounds of PBKDF2-HMAC-SHA256 for a new hash.
inline constexpr int kRounds = 120000;

// The text to store for a password; empty for an empty password.
QString of(const QString& password);
// Whether the typed password is the one the stored Pass stands for: a hash is checked
// by deriving the key again, a plain stored password by exact comparison (case counts).
bool matches(const QString& stored, const QString& typed);
// Whether the stored Pass should be replaced by a hash at the next login: a plain
// password, or a hash of fewer rounds than new ones get.
bool needsRehash(const QString& stored);
} // namespace PasswordHash
