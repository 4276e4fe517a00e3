#pragma once
// The channel table as a Qt item view: a table model over the core
// ChannelTable, in-place editors by column, and the load / write-back
// moments. Used by the main form (main channels) and the "Pmr Channel"
// dialog (PMR channels).
#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <memory>

#include "core/channels/channel_table.h"
#include "core/image/radio_image.h"

namespace cps {

class ChannelTableItemModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  ChannelTableItemModel(RadioImage& image, ChannelTable& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Runs the commit rule of the column's editor with the editor's text.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The core table changed as a whole (load, band change).
  void Refresh();
  ChannelTable& table() { return table_; }

 private:
  RadioImage& image_;
  ChannelTable& table_;
};

// Editors by column: frequency edit (at most 10 characters), editable tone
// box filled with the tone list, choice boxes.
class ChannelCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
  // The editor that is open now, if any.
  QWidget* openEditor() const { return openEditor_; }

 private:
  mutable QPointer<QWidget> openEditor_;
};

class ChannelTableView : public QTableView {
  Q_OBJECT
 public:
  // `base`: record base of the channel set; `withBand`: the main table.
  ChannelTableView(RadioImage& image, std::size_t base, bool withBand, QWidget* parent = nullptr);
  // A view of a table kept elsewhere (the document's main table).
  ChannelTableView(RadioImage& image, ChannelTable& table, QWidget* parent = nullptr);

  ChannelTable& table() { return table_; }
  const ChannelTable& table() const { return table_; }
  ChannelTableItemModel* itemModel() const { return model_; }

  // Commits an editor that is still open, as if it lost the focus.
  void CommitOpenEditor();
  // Commit, then image -> table (with the band for the main table).
  void Load();
  // Commit, then table -> image.
  void WriteBack();
  // The current row, 1..16 (1 when there is none).
  int CurrentChannel() const;
  // Exactly the 17 rows and 10 columns: the grid does not stretch.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  // A press on any cell of an empty row but its number edits its receive
  // frequency; the channel numbers and a channel's spare column have no
  // editor.
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

 private:
  void Build();

  RadioImage& image_;
  std::unique_ptr<ChannelTable> owned_;  // the table, unless it is kept elsewhere
  ChannelTable& table_;
  ChannelTableItemModel* model_;
  ChannelCellDelegate* delegate_;
};

}  // namespace cps
