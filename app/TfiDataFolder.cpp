#include "app/TfiDataFolder.h"
#include "common/DataFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfiDataFolder::TfiDataFolder(const QString& proposal, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiDataFolder"));
    setWindowTitle(QStringLiteral("Φάκελος δεδομένων"));
    auto* intro = new QLabel(
        QStringLiteral("Επιλέξτε τον φάκελο όπου θα φυλάσσονται οι πίνακες της εφαρμογής και τα "
                       "δεδομένα των ιδιοκτητών. Μπορεί να είναι φάκελος αυτού του υπολογιστή ή "
                       "κοινόχρηστος φάκελος δικτύου, για περισσότερους σταθμούς εργασίας."),
        this);
    intro->setWordWrap(true);
    edFolder = new QLineEdit(QDir::toNativeSeparators(proposal), this);
    edFolder->setObjectName(QStringLiteral("edFolder"));
    edFolder->setMinimumWidth(edFolder->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 50);
    btBrowse = new QPushButton(QStringLiteral("Αναζήτηση..."), this);
    btBrowse->setObjectName(QStringLiteral("btBrowse"));
    btBrowse->setAutoDefault(false);
    btOk = new QPushButton(QStringLiteral("Συνέχεια"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    btExit = new QPushButton(QStringLiteral("Έξοδος"), this);
    btExit->setObjectName(QStringLiteral("btExit"));
    btExit->setAutoDefault(false);

    auto* folderLine = new QHBoxLayout;
    folderLine->addWidget(new QLabel(QStringLiteral("Φάκελος :"), this));
    folderLine->addWidget(edFolder, 1);
    folderLine->addWidget(btBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOk);
    buttons->addWidget(btExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(folderLine);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(btBrowse, &QPushButton::clicked, this, &TfiDataFolder::btBrowseClick);
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);
    resize(sizeHint().expandedTo(QSize(560, 170)));
}

QString TfiDataFolder::chosenFolder() const {
    return DataFolder::normalised(edFolder->text());
}

void TfiDataFolder::btBrowseClick() {
    const QString start = chosenFolder();
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Επιλογή φακέλου δεδομένων"),
                                          QFileInfo(start).isDir() ? start : QDir::homePath());
    if (!folder.isEmpty())
        edFolder->setText(QDir::toNativeSeparators(folder));
}
