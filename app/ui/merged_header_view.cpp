#include "ui/merged_header_view.h"

#include <QPainter>

Merged_Header_View::Merged_Header_View(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void Merged_Header_View::Merge_Sections(int first, int last)
{
    merge_first = first;
    merge_last = last;
    viewport()->update();
}

std::pair<int, int> Merged_Header_View::Merged_Run(int section) const
{
    if (merge_first >= 0 && section >= merge_first && section <= merge_last)
        return {merge_first, merge_last};
    return {section, section};
}

void Merged_Header_View::paintSection(QPainter* painter, const QRect& rect, int logical_index) const
{
    const auto [first, last] = Merged_Run(logical_index);
    if (first == last) {
        QHeaderView::paintSection(painter, rect, logical_index);
        return;
    }
    // Every section of the run paints the whole run, so a repaint of any one of them
    // leaves the merged cell complete.
    int width = 0;
    for (int section = first; section <= last; ++section)
        width += sectionSize(section);
    const QRect whole(sectionViewportPosition(first), rect.top(), width, rect.height());
    QHeaderView::paintSection(painter, whole, first);
}
