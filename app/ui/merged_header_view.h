// A horizontal header that draws a run of neighbouring sections as one cell with the
// first section's text (the two "適用範囲" headings of the range grid).
#pragma once

#include <QHeaderView>

class Merged_Header_View : public QHeaderView {
    Q_OBJECT
public:
    explicit Merged_Header_View(QWidget* parent = nullptr);

    void Merge_Sections(int first, int last);
    // The merged run holding the section, as first and last; the section alone otherwise.
    std::pair<int, int> Merged_Run(int section) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logical_index) const override;

private:
    int merge_first = -1;
    int merge_last = -1;
};
