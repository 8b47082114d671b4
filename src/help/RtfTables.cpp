#include "help/RtfTables.h"

#include "help/RtfState.h"

#include <QTextLength>
#include <QTextTable>
#include <QTextTableCell>
#include <QTextTableCellFormat>
#include <QTextTableFormat>

#include <algorithm>

namespace Rtf {

namespace {

// Merges the cells only when no merged cell crosses the region's edge: Qt's own merge corrupts
// the table when one does, and hostile rows can ask for such a region.
void Merge(QTextTable* table, int row, int column, int rows, int columns)
{
    if (row < 0 || column < 0 || rows < 1 || columns < 1 || row + rows > table->rows() ||
        column + columns > table->columns())
        return;
    const auto inside = [&](int r, int c) {
        const QTextTableCell cell = table->cellAt(r, c);
        return cell.isValid() && cell.row() >= row && cell.column() >= column &&
               cell.row() + cell.rowSpan() <= row + rows && cell.column() + cell.columnSpan() <= column + columns;
    };
    for (int r = row; r < row + rows; ++r)
        if (!inside(r, column) || !inside(r, column + columns - 1))
            return;
    for (int c = column; c < column + columns; ++c)
        if (!inside(row, c) || !inside(row + rows - 1, c))
            return;
    table->mergeCells(row, column, rows, columns);
}

} // namespace

void TableBuilder::Ensure(int level)
{
    while (Depth() > level)
        Close();
    if (level == 0)
        return;
    if (!m_tables.empty()) {
        Level& t = m_tables.back();
        if (t.rowEnded) {
            t.table->appendRows(1);
            t.row = t.table->rows() - 1;
            StartRow(t);
        } else if (t.cellEnded) {
            t.cellEnded = false;
            EnterCell(t);
        }
    }
    while (Depth() < level)
        Open();
}

void TableBuilder::Open()
{
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    // Only the borders that the document declares are drawn, on the cells that declare them.
    format.setBorder(0);
    format.setBorderCollapse(true);
    Level level;
    level.table = m_cursor.insertTable(1, 1, format);
    // Row properties written before the cells belong to a top-level table.
    level.onGrid = m_tables.empty();
    m_tables.push_back(level);
    StartRow(m_tables.back());
}

void TableBuilder::Close()
{
    QTextTable* table = m_tables.back().table;
    m_tables.pop_back();
    // Qt keeps a block after every table; writing goes on there.
    m_cursor.setPosition(table->lastPosition() + 1);
}

void TableBuilder::StartRow(Level& t)
{
    t.rowEnded = t.cellEnded = false;
    t.cell = 0;
    t.cellColumn.clear();
    if (t.onGrid && !m_definition.cells.empty()) {
        WidenGrid(t);
        PlaceRowCells(t);
        ApplyWidths(t);
    }
    EnterCell(t);
}

// Every cell edge of the row becomes a column edge; a new edge splits a column, and the cells
// of the earlier rows span both halves.
void TableBuilder::WidenGrid(Level& t)
{
    const bool firstRow = t.grid.empty();
    if (firstRow)
        t.grid.push_back(std::max(m_definition.left, -MaxTwips));
    for (const CellDefinition& cell : m_definition.cells) {
        const auto at = std::lower_bound(t.grid.begin() + 1, t.grid.end(), cell.right);
        if ((at != t.grid.end() && *at == cell.right) || cell.right <= t.grid.front() ||
            static_cast<int>(t.grid.size()) > RtfReader::MaxTableColumns)
            continue;
        const bool beyond = at == t.grid.end();
        const int column = static_cast<int>(at - t.grid.begin()) - 1; // the column the edge splits
        // Cells that ran on past the grid leave fewer columns than edges: such an edge splits nothing.
        if (!firstRow && (t.spansRows || (!beyond && column >= t.table->columns())))
            continue;
        t.grid.insert(at, cell.right);
        if (firstRow || beyond)
            continue;
        t.table->insertColumns(column + 1, 1);
        if (t.mergedFrom.size() > static_cast<size_t>(column) + 1)
            t.mergedFrom.insert(t.mergedFrom.begin() + column + 1, -1);
        for (int row = 0; row < t.row; ++row) {
            const QTextTableCell old = t.table->cellAt(row, column);
            const QTextTableCell added = t.table->cellAt(row, column + 1);
            if (old.isValid() && added.isValid() && added.column() == column + 1 && old.row() == row)
                Merge(t.table, row, old.column(), old.rowSpan(), old.columnSpan() + 1);
        }
    }
    const int columns = static_cast<int>(t.grid.size()) - 1;
    if (t.table->columns() < columns)
        t.table->appendColumns(columns - t.table->columns());
}

void TableBuilder::PlaceRowCells(Level& t)
{
    t.mergedFrom.resize(static_cast<size_t>(t.table->columns()), -1);
    int previousEnd = -1;
    int previousStart = 0;
    for (const CellDefinition& cell : m_definition.cells) {
        if (cell.right <= t.grid.front() || previousEnd + 1 >= t.table->columns()) {
            t.cellColumn.push_back(previousStart);
            continue;
        }
        const auto at = std::lower_bound(t.grid.begin() + 1, t.grid.end(), cell.right);
        const int end = std::max(previousEnd + 1, static_cast<int>(at - t.grid.begin()) - 1);
        int start = previousEnd + 1;
        if (cell.across == CellDefinition::Continued && !t.cellColumn.empty())
            start = previousStart;
        const int last = std::min(end, t.table->columns() - 1);
        t.cellColumn.push_back(start);
        const auto column = static_cast<size_t>(start);
        if (cell.down == CellDefinition::Continued && t.mergedFrom[column] >= 0) {
            const int from = t.mergedFrom[column];
            Merge(t.table, from, start, t.row - from + 1, last - start + 1);
            t.spansRows = true;
        } else {
            t.mergedFrom[column] = cell.down == CellDefinition::First ? t.row : -1;
            if (last > start)
                Merge(t.table, t.row, start, 1, last - start + 1);
            QTextTableCell target = t.table->cellAt(t.row, start);
            QTextTableCellFormat format =
                target.isValid() ? target.format().toTableCellFormat() : QTextTableCellFormat();
            if (cell.shading > 0 && cell.shading < m_colors.size() && m_colors[cell.shading].isValid())
                format.setBackground(m_colors[cell.shading]);
            const auto side = [&cell](CellDefinition::Side s) {
                return cell.borders & s ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None;
            };
            format.setTopBorderStyle(side(CellDefinition::Top));
            format.setLeftBorderStyle(side(CellDefinition::Left));
            format.setBottomBorderStyle(side(CellDefinition::Bottom));
            format.setRightBorderStyle(side(CellDefinition::Right));
            format.setBorder(cell.borders ? 1 : 0);
            format.setBorderBrush(Qt::black);
            if (target.isValid())
                target.setFormat(format);
        }
        previousStart = start;
        previousEnd = last;
    }
}

void TableBuilder::EnterCell(Level& t)
{
    // A row that merged cells cover from above entirely is no row of its own to Qt.
    t.row = std::min(t.row, t.table->rows() - 1);
    int column = t.cell;
    bool continued = false;
    if (t.cell < static_cast<int>(t.cellColumn.size())) {
        column = t.cellColumn[static_cast<size_t>(t.cell)];
        const QTextTableCell cell = t.table->cellAt(t.row, column);
        continued = cell.row() != t.row || (t.cell > 0 && t.cellColumn[static_cast<size_t>(t.cell) - 1] == column);
    } else if (!t.cellColumn.empty()) {
        const QTextTableCell last = t.table->cellAt(t.row, t.cellColumn.back());
        column = last.column() + last.columnSpan() + (t.cell - static_cast<int>(t.cellColumn.size()));
    }
    if (column >= t.table->columns() && t.table->columns() < RtfReader::MaxTableColumns && !t.spansRows)
        t.table->appendColumns(1);
    if (column >= t.table->columns()) {
        // A column more adds a cell to every row: past the limit, cells run on in the last.
        column = t.table->columns() - 1;
        continued = true;
    }
    t.row = std::min(t.row, t.table->rows() - 1);
    const QTextTableCell cell = t.table->cellAt(t.row, column);
    t.continued = continued;
    // Merged cells are written after the first one's content.
    if (!cell.isValid())
        m_cursor.setPosition(t.table->lastPosition());
    else
        m_cursor = continued ? cell.lastCursorPosition() : cell.firstCursorPosition();
}

void TableBuilder::EndCell(int level)
{
    level = std::min(level, RtfReader::MaxTableDepth);
    Ensure(level);
    Level& t = m_tables.back();
    ++t.cell;
    t.cellEnded = true;
}

void TableBuilder::EndRow(int level)
{
    level = std::min(level, RtfReader::MaxTableDepth);
    if (Depth() < level)
        return; // a row end without a table
    while (Depth() > level)
        Close();
    Level& t = m_tables.back();
    if (!t.onGrid)
        ApplyWidths(t);
    t.rowEnded = true;
    t.cellEnded = false;
}

void TableBuilder::ApplyWidths(Level& t)
{
    std::vector<int> edges = t.grid;
    if (!t.onGrid) {
        edges = {m_definition.left};
        for (const CellDefinition& cell : m_definition.cells)
            edges.push_back(cell.right);
    }
    if (edges.size() < 2)
        return;
    QTextTableFormat format = t.table->format();
    QList<QTextLength> widths;
    int previous = edges.front();
    for (int i = 0; i < t.table->columns(); ++i) {
        const auto index = static_cast<size_t>(i) + 1;
        if (index < edges.size() && edges[index] > previous) {
            widths.append(QTextLength(QTextLength::FixedLength, PixelsFromTwips(edges[index] - previous)));
            previous = edges[index];
        } else {
            widths.append(QTextLength(QTextLength::VariableLength, 0));
        }
    }
    format.setColumnWidthConstraints(widths);
    t.table->setFormat(format);
}

} // namespace Rtf
