#include "companies/TfiIndexCompany.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "companies/CompanyRegister.h"
#include "companies/CompanyTexts.h"
#include "companies/TfiCreateComp.h"
#include "store/CursorGrid.h"
#include "store/TdmTables.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

TfiIndexCompany::TfiIndexCompany(Mode mode, QWidget* parent) : QDialog(parent), m_mode(mode) {
    setObjectName(QStringLiteral("fiIndexCompany"));
    setWindowTitle(QStringLiteral("Επιλογή Εταιρείας"));
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto command = [&](const QString& name, const QString& caption, const QKeySequence& key,
                       auto handler) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        connect(a, &QAction::triggered, this, handler);
        bar->addAction(a);
        return a;
    };
    acChoice = command(QStringLiteral("acChoice"), QStringLiteral("Επιλογή"),
                       QKeySequence(Qt::Key_F3), [this] { acChoiceExecute(); });
    acModify = command(QStringLiteral("acModify"), QStringLiteral("Μετονομασία"), {},
                       [this] { acModifyExecute(); });
    acDel = command(QStringLiteral("acDel"), QStringLiteral("Διαγραφή"),
                    QKeySequence(Qt::Key_Delete), [this] { acDelExecute(); });
    acExit = command(QStringLiteral("acExit"), QStringLiteral("Έξοδος"),
                     QKeySequence(Qt::Key_Escape), [this] { reject(); });
    acDel->setEnabled(mode == Mode::Delete);
    acChoice->setEnabled(mode == Mode::Open);

    auto* searchGroup = new QGroupBox(QStringLiteral("Γρήγορη Αναζήτηση"), this);
    edFastFind = new QLineEdit(searchGroup);
    edFastFind->setObjectName(QStringLiteral("edFastFind"));
    auto* searchLayout = new QVBoxLayout(searchGroup);
    searchLayout->addWidget(edFastFind);
    auto* sortGroup = new QGroupBox(QStringLiteral("Ταξινόμιση"), this);
    sortGroup->setObjectName(QStringLiteral("rgTaksinomisi"));
    rbByName = new QRadioButton(QStringLiteral("Επωνυμία"), sortGroup);
    rbByAfm = new QRadioButton(QStringLiteral("ΑΦΜ"), sortGroup);
    auto* sortButtons = new QButtonGroup(this);
    sortButtons->addButton(rbByName);
    sortButtons->addButton(rbByAfm);
    auto* sortLayout = new QHBoxLayout(sortGroup);
    sortLayout->addWidget(rbByName);
    sortLayout->addWidget(rbByAfm);
    auto* top = new QHBoxLayout;
    top->addWidget(searchGroup, 1);
    top->addWidget(sortGroup);

    dbCompany = new QTableView(this);
    dbCompany->setObjectName(QStringLiteral("dbCompany"));
    bindGrid(dbCompany, &dmTables().tblComps,
             {{QStringLiteral("AFM"), QStringLiteral("ΑΦΜ")},
              {QStringLiteral("CompName"), QStringLiteral("Επωνυμία")}});
    dbCompany->setColumnWidth(0, 120);
    connect(dbCompany, &QTableView::doubleClicked, this, [this] { acChoiceExecute(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addLayout(top);
    layout->addWidget(dbCompany);
    resize(640, 520);

    // The register is shown in the order that is ticked, whatever order the command
    // opened it in, so that the quick search looks in the order the operator sees.
    rbByName->setChecked(true);
    setSortByAfm(false);
    connect(rbByName, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setSortByAfm(false);
    });
    connect(rbByAfm, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setSortByAfm(true);
    });
    connect(edFastFind, &QLineEdit::textChanged, this, &TfiIndexCompany::edFastFindChange);
    edFastFind->installEventFilter(this);
    dbCompany->installEventFilter(this);
    dbCompany->setFocus();
}

bool TfiIndexCompany::sortedByAfm() const {
    return rbByAfm->isChecked();
}

void TfiIndexCompany::setSortByAfm(bool byAfm) {
    runGuarded([byAfm] {
        dmTables().tblComps.setIndexName(byAfm ? QString() : QStringLiteral("NameIdx"));
    });
}

void TfiIndexCompany::edFastFindChange(const QString& text) {
    if (text.isEmpty())
        return;
    const bool digit = text.at(0).isDigit() && text.at(0).unicode() < 0x80;
    if (!digit && sortedByAfm())
        rbByName->setChecked(true);
    else if (digit && !sortedByAfm())
        rbByAfm->setChecked(true);
    runGuarded([&] { dmTables().tblComps.findNearest({text}); });
}

void TfiIndexCompany::acChoiceExecute() {
    if (!acChoice->isEnabled() || dmTables().tblComps.isEmpty())
        return;
    bool locked = false;
    runGuarded([&] { locked = CompanyRegister::lockCurrent(); });
    if (locked)
        accept();
}

void TfiIndexCompany::acModifyExecute() {
    if (dmTables().tblComps.isEmpty())
        return;
    TfiCreateComp rename(TfiCreateComp::Mode::Rename, this);
    runDialog(rename);
}

void TfiIndexCompany::acDelExecute() {
    if (!acDel->isEnabled() || dmTables().tblComps.isEmpty())
        return;
    bool free = false;
    runGuarded([&] { free = CompanyRegister::currentIsFree(); });
    if (!free)
        return;
    if (!askYesNo(CompanyTexts::kDeleteFirst) || !askYesNo(CompanyTexts::kDeleteSecond))
        return;
    bool deleted = false;
    runGuarded([&] { deleted = CompanyRegister::deleteCurrent(); });
    if (deleted)
        accept();
}

bool TfiIndexCompany::gridKey(QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        acChoiceExecute();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        edFastFind->clear();
        return false; // the arrows still move in the grid
    default:
        break;
    }
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return false;
    if (typed.at(0) < QLatin1Char('0'))
        edFastFind->clear();
    else
        edFastFind->setText(edFastFind->text() + typed);
    return true;
}

bool TfiIndexCompany::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers().testFlag(Qt::ControlModifier))
        return true;
    if (watched == dbCompany)
        return gridKey(key);
    if (watched == edFastFind) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            acChoiceExecute();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
