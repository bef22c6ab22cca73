// Every window opened at its initial size, with a register of realistic declarations:
// each entry box shows its usual text whole, each list shows five rows and its columns
// whole, each child lies inside the area its parent shows, the window did not have to
// grow beyond its initial size, and every text is drawn with glyphs of the font.
//
// With LETHORA_SCREENSHOTS set to a folder (and a real display), each window is also
// written there as a PNG for review.

#include "app/AboutBox.h"
#include "app/StartUp.h"
#include "app/TfiDataFolder.h"
#include "app/TfiEditorial.h"
#include "app/TfiMain.h"
#include "common/EntryWidth.h"
#include "common/Settings.h"
#include "companies/CurrentCompany.h"
#include "companies/TfiCreateComp.h"
#include "companies/TfiIndexCompany.h"
#include "companies/TfiNewComp.h"
#include "exports/TfiMistDilProtList.h"
#include "exports/TfiReport.h"
#include "operators/CurrentOperator.h"
#include "operators/TfiGetPass.h"
#include "operators/TfiNewPass.h"
#include "operators/TfiSelectUser.h"
#include "operators/TfiUserRights.h"
#include "operators/TfiUsers.h"
#include "store/TdmTables.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tools/registergen/OwnerRegistration.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"
#include "updates/TfiNewVer.h"
#include "updates/TfiNoConnection.h"
#include "workspace-window/TfiDispMistSymb.h"
#include "workspace-window/TfiMistomataTaxis.h"
#include "workspace-window/TfiWait.h"
#include "workspace/RegisterFilter.h"
#include "workspace/StoredCounts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTableView>
#include <QTextDocument>

namespace {
const QString kAfm = QStringLiteral("094014201");
const int kListRows = 5;

bool insideScrolledArea(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget()))
            if (area->viewport() == p)
                return true;
    }
    return false;
}

QString nameOf(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
           (w->objectName().isEmpty() ? QStringLiteral("(no name)") : w->objectName());
}

QString missingGlyphs(const QWidget* w, const QString& text) {
    const QFontMetrics metrics(w->font());
    QString missing;
    for (const uint ch : text.toUcs4())
        if (!QChar::isSpace(ch) && !metrics.inFontUcs4(ch))
            missing += QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1);
    return missing;
}

QString shownText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        if (Qt::mightBeRichText(label->text())) {
            QTextDocument doc;
            doc.setHtml(label->text());
            return doc.toPlainText();
        }
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    return QString();
}

// What a person would see wrong in the window as it is shown now.
QStringList faultsOf(QWidget& window, const QSize& initial) {
    QStringList faults;
    if (!initial.isEmpty() && window.size() != initial)
        faults << QStringLiteral("the window grew from %1x%2 to %3x%4 to hold its contents")
                      .arg(initial.width())
                      .arg(initial.height())
                      .arg(window.width())
                      .arg(window.height());
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow() || insideScrolledArea(w, &window))
            continue;
        const QWidget* parent = w->parentWidget();
        if (!QRect(QPoint(0, 0), parent->size()).contains(w->geometry()))
            faults << nameOf(w) + QStringLiteral(" lies outside ") + nameOf(parent);
        const QString missing = missingGlyphs(w, shownText(w));
        if (!missing.isEmpty())
            faults << nameOf(w) + QStringLiteral(" shows characters its font lacks: ") + missing;
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            const QString usual = EntryWidth::usualText(*box);
            const int needed = EntryWidth::neededFor(*box, usual);
            if (box->width() < needed && !qobject_cast<QComboBox*>(box->parentWidget()))
                faults << nameOf(w) + QStringLiteral(" is %1 wide, \"%2\" needs %3")
                                          .arg(box->width())
                                          .arg(usual)
                                          .arg(needed);
        }
        if (QLatin1String(w->metaObject()->className()) == QLatin1String("QToolBarExtension"))
            faults << nameOf(parent) + QStringLiteral(" does not show all its commands");
        if (auto* list = qobject_cast<QAbstractItemView*>(w);
            list && !qobject_cast<QHeaderView*>(w)) {
            const int rows = list->model() ? list->model()->rowCount() : 0;
            auto* table = qobject_cast<QTableView*>(w);
            const int rowHeight = table      ? table->verticalHeader()->defaultSectionSize()
                                  : rows > 0 ? list->sizeHintForRow(0)
                                             : list->fontMetrics().height();
            if (list->viewport()->height() < kListRows * rowHeight)
                faults << nameOf(w) + QStringLiteral(" shows fewer than %1 rows").arg(kListRows);
            if (table && table->horizontalHeader()->isVisible()) {
                QHeaderView* header = table->horizontalHeader();
                for (int c = 0; c < header->count(); ++c)
                    if (!header->isSectionHidden(c) &&
                        header->sectionSize(c) < header->sectionSizeHint(c))
                        faults << nameOf(w) +
                                      QStringLiteral(" cuts the heading of column %1").arg(c);
                const int columns = header->length();
                if (columns > table->viewport()->width())
                    faults << nameOf(w) + QStringLiteral(" cuts its columns (%1 of %2 shown)")
                                              .arg(table->viewport()->width())
                                              .arg(columns);
            }
        }
    }
    return faults;
}

QString screenshotFolder() {
    return qEnvironmentVariable("LETHORA_SCREENSHOTS");
}
} // namespace

class TestWindowsFit : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolder> folder;
    RecordingMessages messages;

    // Shows the window at its initial size (or the given one), checks it and closes it.
    void check(QWidget& window, const QString& name, QSize size = QSize()) {
        if (size.isValid())
            window.resize(size);
        const QSize initial = window.testAttribute(Qt::WA_Resized) ? window.size() : QSize();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        const QStringList faults = faultsOf(window, initial);
        if (!screenshotFolder().isEmpty())
            window.grab().save(screenshotFolder() + QLatin1Char('/') + name +
                               QStringLiteral(".png"));
        window.close();
        QVERIFY2(faults.isEmpty(),
                 qPrintable(name + QStringLiteral(":\n") + faults.join(QLatin1Char('\n'))));
    }

    template <typename Window, typename... Arguments>
    void checkNew(const QString& name, Arguments&&... arguments) {
        Window window(std::forward<Arguments>(arguments)...);
        check(window, name);
    }

private Q_SLOTS:
    void initTestCase() {
        folder = std::make_unique<TestFolder>();
        // The maker's services from a closed port: they fail fast.
        for (const char* key : {"HelpVideoListAddress", "EditorialPageAddress"})
            Settings::setFolderValue(QString::fromLatin1(key),
                                     QStringLiteral("http://127.0.0.1:1/"));
        dmTables().EnsureUsersTable();
        dmTables().EnsureSharedTables();
        CurrentOperator() = {QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("D")};
        QDir().mkpath(folder->path(QStringLiteral("Data/") + kAfm));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + kAfm);
        const QString owner = QStringLiteral("ΚΤΗΜΑΤΙΚΗ ΑΝΑΠΤΥΞΗ ΑΤΤΙΚΗΣ ΑΝΩΝΥΜΗ ΕΤΑΙΡΕΙΑ");
        registerOwner(kAfm, owner);
        writeRegister(generateRegister(kAfm, 40, 7, owner), kAfm);
        dmTables().AttachCompanyTables(kAfm);
        CurrentCompany() = {};
        CurrentCompany().AFM = kAfm;
        CurrentCompany().BigName = owner;
    }
    void cleanupTestCase() {
        CurrentCompany() = {};
        folder.reset();
    }

    void theMainWindowWithTheCompanyEditor() {
        prepareApplication();
        TfiMain main;
        main.prepareAfterLogin();
        main.RefreshStatusBar();
        // Maximised on a screen of 1280 x 800.
        check(main, QStringLiteral("main"), QSize(1280, 800));
        auto* editor = new TfiNewComp;
        editor->fill();
        main.mdiArea()->addSubWindow(editor, Qt::FramelessWindowHint)->showMaximized();
        check(main, QStringLiteral("company-editor"), QSize(1280, 800));
    }

    void theWorkspace() {
        StoredDeclarations::ClearFilterMarks();
        TdmTables& tables = dmTables();
        tables.tblMistDilMast.open();
        tables.tblMistDilDet.open();
        tables.tblMistDilAkinita.open();
        {
            TfiMistomataTaxis workspace;
            workspace.showLoginCredentials({});
            check(workspace, QStringLiteral("workspace"));
            // Enlarged, everything stays in view; on the usual office screens too.
            check(workspace, QStringLiteral("workspace-enlarged"), QSize(1600, 1100));
            check(workspace, QStringLiteral("workspace-1600x900"), QSize(1600, 900));
            check(workspace, QStringLiteral("workspace-1366x768"), QSize(1366, 768));
            TfiDispMistSymb notes(tables.tblMistDilMast.text(QStringLiteral("Simiosis")));
            check(notes, QStringLiteral("comments"));
            TfiWait wait;
            check(wait, QStringLiteral("wait"));
            // During an import: how far it is, and the stop button.
            const WaitWindowHooks importing = wait.withImportProgress();
            importing.showWithoutProgress();
            wait.showImportProgress(12, 40);
            check(wait, QStringLiteral("wait-import"));
            importing.hideAndRestoreProgress();
        }
        tables.tblMistDilAkinita.close();
        tables.tblMistDilDet.close();
        tables.tblMistDilMast.close();
    }

    void theDialogs() {
        checkNew<TfiDataFolder>(QStringLiteral("data-folder"),
                                QDir::homePath() + QStringLiteral("/Lethora"));
        checkNew<TfiGetPass>(QStringLiteral("login"));
        checkNew<TfiNewPass>(QStringLiteral("new-password"));
        checkNew<TfiUsers>(QStringLiteral("operators"));
        checkNew<TfiUserRights>(QStringLiteral("operator-rights"));
        checkNew<TfiSelectUser>(QStringLiteral("operator-choice"));
        checkNew<TfiCreateComp>(QStringLiteral("company-create"), TfiCreateComp::Mode::Create);
        checkNew<TfiIndexCompany>(QStringLiteral("company-chooser"), TfiIndexCompany::Mode::Open);
        checkNew<TfiReport>(
            QStringLiteral("templates"),
            WorkspaceFilters{[] { return FilterCriteria(); }, [](const FilterCriteria&) {}, [] {}});
        checkNew<TfiMistDilProtList>(QStringLiteral("template-list"));
        checkNew<TfiNewVer>(QStringLiteral("new-version"));
        checkNew<TfiNoConnection>(QStringLiteral("no-connection"));
        checkNew<TfiEditorial>(QStringLiteral("editorial"));
        checkNew<AboutBox>(QStringLiteral("about"));
    }
};

int main(int argc, char** argv) {
    // Screenshots are taken on the display given; the checks run offscreen.
    if (screenshotFolder().isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    installTestSeams();
    TestWindowsFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windows_fit.moc"
