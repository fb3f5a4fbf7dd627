// A read-only table of texts taken from a source (the beam model, the result table)
// each time Refresh runs; the grids of the main window are views of these.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

#include <functional>

class Text_Table_Model : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row_Source = std::function<QVector<QStringList>()>;
    using Alignment_Of = std::function<Qt::Alignment(int row, int column)>;

    Text_Table_Model(QStringList headers, Row_Source source, Alignment_Of alignment,
                     QObject* parent = nullptr);

    // Takes the rows from the source again.
    void Refresh();
    // The header texts may change with the source (the result table's headings).
    void Set_Headers(const QStringList& headers);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList headers;
    Row_Source source;
    Alignment_Of alignment;
    QVector<QStringList> rows;
};
