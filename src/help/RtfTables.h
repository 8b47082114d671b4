#pragma once

#include <QColor>
#include <QList>
#include <QTextCursor>

#include <cstdint>
#include <vector>

class QTextTable;

namespace Rtf {

// A cell as \trowd ... \cellx declares it.
struct CellDefinition
{
    enum Merge : std::uint8_t
    {
        Alone,
        First,     // \clmgf, \clvmgf: the first of merged cells
        Continued, // \clmrg, \clvmrg: merged into the one before or above
    };
    int right = 0;
    Merge across = Alone;
    Merge down = Alone;
    int shading = 0;          // colour table index
    std::uint8_t borders = 0; // Side bits
    std::uint8_t pendingSide = 0;

    enum Side : std::uint8_t
    {
        Top = 1,
        Left = 2,
        Bottom = 4,
        Right = 8,
    };
};

struct RowDefinition
{
    int left = 0;
    std::vector<CellDefinition> cells;
    CellDefinition next; // properties read for the cell its \cellx will close
};

// Builds tables into the document as the reader meets cells and rows. Top-level tables lay out
// on one grid made of the cell edges of all their rows, so that merged and uneven rows keep
// their columns; nested tables, whose row properties come after their cells, go by cell count.
class TableBuilder
{
public:
    TableBuilder(QTextCursor& cursor, const QList<QColor>& colors) : m_cursor(cursor), m_colors(colors) {}

    RowDefinition& Definition() { return m_definition; }
    int Depth() const { return static_cast<int>(m_tables.size()); }

    // Opens or closes tables so that writing goes on at level, in the next cell or row where one
    // has ended.
    void Ensure(int level);
    void EndCell(int level);
    void EndRow(int level);
    // Whether the cell last entered continues a cell merged across or downwards.
    bool InContinuedCell() const { return !m_tables.empty() && m_tables.back().continued; }

private:
    struct Level
    {
        QTextTable* table = nullptr;
        int row = 0;
        int cell = 0;
        bool rowEnded = false;
        bool cellEnded = false;
        bool onGrid = false;
        bool continued = false;
        // Qt's table grid goes wrong when columns are added across cells merged downwards: once a
        // table has such a cell, its columns stay as they are and further cells run on in the last.
        bool spansRows = false;
        std::vector<int> grid;       // right edges of the columns, ascending
        std::vector<int> cellColumn; // first column of each declared cell of the row
        std::vector<int> mergedFrom; // per column: the row a cell merged downwards starts in
    };

    void Open();
    void Close();
    void StartRow(Level& t);
    void WidenGrid(Level& t);
    void PlaceRowCells(Level& t);
    void EnterCell(Level& t);
    void ApplyWidths(Level& t);

    QTextCursor& m_cursor;
    const QList<QColor>& m_colors;
    RowDefinition m_definition;
    std::vector<Level> m_tables;
};

} // namespace Rtf
