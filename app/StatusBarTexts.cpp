#include "app/StatusBarTexts.h"

StatusBarTexts statusBarTexts(const QString& afm, const QString& bigName, const QDate& today) {
    StatusBarTexts texts;
    if (afm.isEmpty()) {
        texts.clearAll = true;
        return texts;
    }
    if (bigName.isEmpty())
        texts.keepPanel0 = true;
    else
        texts.panel0 = (QStringLiteral("Ενεργή Εταιρεία : ") + bigName).left(118);
    texts.panel1 = (QStringLiteral("ΑΦΜ : ") + afm).left(21);
    texts.panel3 =
        QStringLiteral("Ημ/νία Συστήματος : ") + today.toString(QStringLiteral("dd/MM/yyyy"));
    return texts;
}
