#include "exports/XlsxWriter.h"
#include "common/ErrorReport.h"
#include "exports/NumberFormats.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <vector>
#include <xlsxwriter.h>

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kDefaultChartWidthPx = 480; // the size of a chart inserted unscaled
constexpr double kDefaultChartHeightPx = 288;
constexpr double kDigitWidthPx = 7; // the file's column widths count characters of this width
constexpr int kColumnPaddingPx = 5;
constexpr int kRowHeightPx = 20; // rows of the standard height, 15 points
constexpr uint8_t kPaperA4 = 9;

lxw_color_t rgbOf(int colour) {
    const int red = colour & 0xFF;
    const int green = (colour >> 8) & 0xFF;
    const int blue = (colour >> 16) & 0xFF;
    const lxw_color_t rgb = lxw_color_t((red << 16) | (green << 8) | blue);
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : rgb; // 0 means "no colour" to the library
}

QString reasonOf(lxw_error error) {
    switch (error) {
    case LXW_ERROR_CREATING_XLSX_FILE:
        return QStringLiteral("δεν επιτρέπεται η δημιουργία αρχείου σε αυτόν τον φάκελο");
    case LXW_ERROR_CREATING_TMPFILE:
        return QStringLiteral("δεν ήταν δυνατή η δημιουργία προσωρινού αρχείου");
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("δεν επαρκεί η μνήμη");
    default:
        return QStringLiteral("σφάλμα εγγραφής αρχείου (κωδικός %1)").arg(int(error));
    }
}

class XlsxFile {
public:
    XlsxFile(const WorkbookModel& workbook, const QString& path)
        : m_workbook(workbook), m_path(path),
          m_book(workbook_new(QFile::encodeName(QDir::toNativeSeparators(path)).constData())) {}

    ~XlsxFile() {
        if (m_book)
            lxw_workbook_free(m_book);
    }

    void write() {
        if (!m_book)
            fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
        for (const auto& sheet : m_workbook.sheets()) {
            // Each sheet keeps styles of its own: their formats are made for it.
            m_sheet = sheet.get();
            m_formats.assign(m_sheet->styles().size(), nullptr);
            m_worksheet = workbook_add_worksheet(m_book, utf8(m_sheet->name()));
            if (!m_worksheet)
                fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
            writeColumns();
            writeMerges(); // before the cells, which then take the merged blocks' first cells
            writeCells();
            writeCharts();
            writePageLayout();
        }
        lxw_workbook* book = m_book;
        m_book = nullptr; // closing frees it, whatever the outcome
        check(workbook_close(book));
    }

private:
    [[noreturn]] void fail(lxw_error error) const {
        throw AppError(QStringLiteral("Δεν ήταν δυνατή η εγγραφή του βιβλίου εργασίας στο "
                                      "αρχείο «%1»: %2.")
                           .arg(QDir::toNativeSeparators(m_path), reasonOf(error)));
    }

    void check(lxw_error error) const {
        if (error != LXW_NO_ERROR)
            fail(error);
    }

    const char* utf8(const QString& text) {
        m_text = text.toUtf8();
        return m_text.constData();
    }

    lxw_format* formatOf(StyleTable::Id id) {
        if (id == 0)
            return nullptr;
        if (!m_formats[id])
            m_formats[id] = makeFormat(m_sheet->styles()[id]);
        return m_formats[id];
    }

    lxw_format* makeFormat(const CellStyle& style) {
        lxw_format* format = workbook_add_format(m_book);
        if (!style.numberFormat.isEmpty())
            format_set_num_format(format, utf8(NumberFormats::cellFileCode(style.numberFormat)));
        switch (style.alignment) {
        case HorizontalAlignment::General:
            break;
        case HorizontalAlignment::Left:
            format_set_align(format, LXW_ALIGN_LEFT);
            break;
        case HorizontalAlignment::Centre:
            format_set_align(format, LXW_ALIGN_CENTER);
            break;
        case HorizontalAlignment::Right:
            format_set_align(format, LXW_ALIGN_RIGHT);
            break;
        }
        if (style.bold)
            format_set_bold(format);
        if (style.fill >= 0)
            format_set_bg_color(format, rgbOf(style.fill));
        if (style.bottomLine == BottomLine::Thin)
            format_set_bottom(format, LXW_BORDER_THIN);
        else if (style.bottomLine == BottomLine::Double)
            format_set_bottom(format, LXW_BORDER_DOUBLE);
        return format;
    }

    void writeColumns() {
        for (int column = 1; column <= m_sheet->lastColumn(); ++column) {
            const double width = m_sheet->columnWidth(column);
            const StyleTable::Id style = m_sheet->columnStyleId(column);
            if (width > 0 || style != 0)
                check(worksheet_set_column(m_worksheet, lxw_col_t(column - 1),
                                           lxw_col_t(column - 1),
                                           width > 0 ? width : LXW_DEF_COL_WIDTH, formatOf(style)));
        }
    }

    void writeMerges() {
        for (const CellArea& m : m_sheet->merges())
            check(worksheet_merge_range(m_worksheet, lxw_row_t(m.top - 1), lxw_col_t(m.left - 1),
                                        lxw_row_t(m.bottom - 1), lxw_col_t(m.right - 1), "",
                                        formatOf(styleIdAt(m.top, m.left))));
    }

    StyleTable::Id styleIdAt(int row, int column) const {
        const SheetCell* cell = m_sheet->cell(row, column);
        return cell ? cell->style : m_sheet->columnStyleId(column);
    }

    void writeCells() {
        // In row order: the library finds its rows and cells much faster so.
        struct Placed {
            int row;
            int column;
            const SheetCell* cell;
        };
        std::vector<Placed> ordered;
        ordered.reserve(size_t(m_sheet->cellCount()));
        m_sheet->forEachCell([&](int row, int column, const SheetCell& cell) {
            ordered.push_back({row, column, &cell});
        });
        std::sort(ordered.begin(), ordered.end(), [](const Placed& a, const Placed& b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
        for (const Placed& p : ordered)
            check(writeCell(lxw_row_t(p.row - 1), lxw_col_t(p.column - 1), *p.cell));
    }

    lxw_error writeCell(lxw_row_t row, lxw_col_t column, const SheetCell& cell) {
        lxw_format* format = formatOf(cell.style);
        switch (cell.kind) {
        case SheetCell::Kind::Text:
            return worksheet_write_string(m_worksheet, row, column, utf8(cell.text), format);
        case SheetCell::Kind::Number:
            return worksheet_write_number(m_worksheet, row, column, cell.number, format);
        case SheetCell::Kind::Empty:
            break;
        }
        return worksheet_write_blank(m_worksheet, row, column, format);
    }

    void writeCharts() {
        for (const auto& model : m_sheet->charts()) {
            const QList<ChartSeries> series = model->series();
            if (series.isEmpty())
                continue;
            lxw_chart* chart = workbook_add_chart(m_book, LXW_CHART_COLUMN);
            if (!chart)
                fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
            const QByteArray sheetName = m_sheet->name().toUtf8();
            for (const ChartSeries& s : series) {
                lxw_chart_series* added = chart_add_series(chart, nullptr, nullptr);
                if (s.categories)
                    chart_series_set_categories(
                        added, sheetName.constData(), lxw_row_t(s.categories->top - 1),
                        lxw_col_t(s.categories->left - 1), lxw_row_t(s.categories->bottom - 1),
                        lxw_col_t(s.categories->right - 1));
                chart_series_set_values(added, sheetName.constData(), lxw_row_t(s.values.top - 1),
                                        lxw_col_t(s.values.left - 1),
                                        lxw_row_t(s.values.bottom - 1),
                                        lxw_col_t(s.values.right - 1));
                chart_series_set_name_range(added, sheetName.constData(), lxw_row_t(s.nameRow - 1),
                                            lxw_col_t(s.nameColumn - 1));
            }
            if (!model->hasTitle())
                chart_title_off(chart);
            else if (!model->title().isEmpty())
                chart_title_set_name(chart, utf8(model->title()));
            const ChartPlace& place = model->place();
            const QRect pixels = chartPixels(place);
            lxw_chart_options options{};
            options.x_offset = int32_t(pixels.x());
            options.y_offset = int32_t(pixels.y());
            options.x_scale = pixels.width() / kDefaultChartWidthPx;
            options.y_scale = pixels.height() / kDefaultChartHeightPx;
            check(worksheet_insert_chart_opt(m_worksheet, 0, 0, chart, &options));
        }
    }

    // A chart's place in pixels from the sheet's top left corner, as it is written.
    static QRect chartPixels(const ChartPlace& place) {
        return QRect(int(std::lround(place.left * kPixelsPerPoint)),
                     int(std::lround(place.top * kPixelsPerPoint)),
                     int(std::lround(place.width * kPixelsPerPoint)),
                     int(std::lround(place.height * kPixelsPerPoint)));
    }

    int columnPixels(int column) const {
        const double width = m_sheet->columnWidth(column);
        const double characters = width > 0 ? width : LXW_DEF_COL_WIDTH;
        return int(characters * kDigitWidthPx + 0.5) + kColumnPaddingPx;
    }

    // The printed block, widened to take in every chart that the sheet shows.
    CellArea printedArea(CellArea area) const {
        for (const auto& model : m_sheet->charts()) {
            if (model->series().isEmpty())
                continue;
            const QRect chart = chartPixels(model->place());
            int column = 1;
            for (int right = columnPixels(1); right < chart.x() + chart.width(); ++column)
                right += columnPixels(column + 1);
            const int row = (chart.y() + chart.height() + kRowHeightPx - 1) / kRowHeightPx;
            area = {1, 1, std::max(area.bottom, row), std::max(area.right, column)};
        }
        return area;
    }

    void writePageLayout() {
        const PageLayout page = m_sheet->pageLayout();
        worksheet_set_paper(m_worksheet, kPaperA4);
        if (page.landscape)
            worksheet_set_landscape(m_worksheet);
        if (page.pagesWide > 0)
            worksheet_fit_to_pages(m_worksheet, uint16_t(page.pagesWide), uint16_t(page.pagesTall));
        if (page.firstTitleRow > 0)
            check(worksheet_repeat_rows(m_worksheet, lxw_row_t(page.firstTitleRow - 1),
                                        lxw_row_t(page.lastTitleRow - 1)));
        if (page.printArea) {
            const CellArea area = printedArea(*page.printArea);
            check(worksheet_print_area(m_worksheet, lxw_row_t(area.top - 1),
                                       lxw_col_t(area.left - 1), lxw_row_t(area.bottom - 1),
                                       lxw_col_t(area.right - 1)));
        }
        if (page.frozenRows > 0 || page.frozenColumns > 0)
            worksheet_freeze_panes(m_worksheet, lxw_row_t(page.frozenRows),
                                   lxw_col_t(page.frozenColumns));
    }

    const WorkbookModel& m_workbook;
    const SheetModel* m_sheet = nullptr;
    QString m_path;
    lxw_workbook* m_book;
    lxw_worksheet* m_worksheet = nullptr;
    std::vector<lxw_format*> m_formats; // by style number, made when first used
    QByteArray m_text;                  // the library copies every text it is given
};

} // namespace

void writeXlsx(const WorkbookModel& workbook, const QString& path) {
    XlsxFile(workbook, path).write();
}
