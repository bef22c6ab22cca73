#include "app/AboutBox.h"
#include "common/AppVersion.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiAbout"));
    setWindowTitle(QStringLiteral("Πληροφορίες για την \"LETHORA\""));
    auto* name = new QLabel(QStringLiteral("LETHORA"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 10);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    auto* purpose =
        new QLabel(QStringLiteral("Οργάνωση και διαχείριση των δηλώσεων πληροφοριακών στοιχείων "
                                  "μισθώσεων ακίνητης περιουσίας"),
                   this);
    purpose->setWordWrap(true);
    purpose->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Έκδοση ") + kAppVersionText, this);
    version->setObjectName(QStringLiteral("lbVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto* close = new QPushButton(QStringLiteral("Κλείσιμο"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(purpose);
    layout->addWidget(version);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setMinimumWidth(420);
}
