#include "common/ErrorReport.h"
#include "common/Messages.h"

#include <exception>

AppError::AppError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}

QString currentFailureText() {
    try {
        throw;
    } catch (const AppError& e) {
        return e.text();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Άγνωστο σφάλμα");
    }
}

bool runGuarded(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (...) {
        messages().showError(currentFailureText());
        return false;
    }
}
