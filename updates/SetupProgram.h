#pragma once
// The downloaded setup program: whether a download is to be kept, and writing it to
// "Upgrade\Setup.exe" of the working folder.

#include <QByteArray>
#include <QString>
#include <optional>

namespace SetupProgram {
inline const QString kPath = QStringLiteral("Upgrade\\Setup.exe");

// A download of this many bytes or fewer is no setup program (an error page, say).
inline constexpr qint64 kSmallestSize = 1000;

enum class Verdict {
    Keep,       // write it and start it
    TooSmall,   // drop it without a word
    Unlisted,   // the file list names no setup program: drop it and tell the operator
    Incomplete, // drop it and tell the operator
};

// Judges a download of the given size against the size the file list gave, if any.
// Only a download that the list names, at the size it gives, is kept: anything else
// (an error page, a cut transfer) is never written over the earlier setup program.
Verdict judge(qint64 downloadedSize, std::optional<qint64> listedSize);

// Writes the program unchanged, all or nothing: a failed write leaves any earlier file
// as it was. Creates "Upgrade" when missing. Throws AppError when it cannot be written.
void save(const QByteArray& program);
} // namespace SetupProgram
