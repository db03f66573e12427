#pragma once
// The records window: for each block count and number of shuffle moves
// played, the best time and the fewest clicks, each with the number of the
// game that set it, and a mark on the entry the latest record-setting game
// changed.

#include <QDialog>

#include "records/records_table.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tessaro {

class frmRecords : public QDialog {
    Q_OBJECT
public:
    // `status` is the line under the list that tells where the records are kept.
    frmRecords(const RecordsTable& table, const QString& status, QWidget* parent = nullptr);

    // The controls, for the tests.
    QTableWidget* grdRecords = nullptr;
    QLabel* lblEmpty = nullptr;  // instead of the list while there is no record
    QLabel* lblMark = nullptr;   // explains the mark
    QLabel* lblStatus = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace tessaro
