#include "exports/TfiMistDilProtList.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "store/CursorGrid.h"
#include "store/CursorGuard.h"
#include "store/TdmTables.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfiMistDilProtList::TfiMistDilProtList(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiMistDilProtList"));
    setWindowTitle(QStringLiteral("Κατάλογος Προτύπων Μισθωτηρίων"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(747, 495);

    grdProtypa = new QTableView(this);
    grdProtypa->setObjectName(QStringLiteral("grdProtypa"));
    bindGrid(grdProtypa, &dmTables().tblMistDilProtypa,
             {{QStringLiteral("Title"), QStringLiteral("Πρότυπο")}});
    grdProtypa->installEventFilter(this);
    connect(grdProtypa, &QTableView::doubleClicked, this, &QDialog::accept);

    btSelect = new QPushButton(QStringLiteral("Επιλογή"), this);
    btSelect->setObjectName(QStringLiteral("btSelect"));
    btExit = new QPushButton(QStringLiteral("Έξοδος"), this);
    btExit->setObjectName(QStringLiteral("btExit"));
    connect(btSelect, &QPushButton::clicked, this, &QDialog::accept);
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btSelect);
    buttons->addWidget(btExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdProtypa, 1);
    layout->addLayout(buttons);
}

bool TfiMistDilProtList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdProtypa && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            runGuarded([] {
                TableCursor& table = dmTables().tblMistDilProtypa;
                if (!table.isEmpty() && messages().askOkCancel(kDeleteRecord))
                    table.remove();
            });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<ExportTemplate> chooseExportTemplate(QWidget* parent) {
    TableCursor& table = dmTables().tblMistDilProtypa;
    table.open();
    CloseAfter closing(table);
    TfiMistDilProtList list(parent);
    if (runDialog(list) != QDialog::Accepted || table.isEmpty())
        return std::nullopt;
    return ExportTemplates::read(table);
}
