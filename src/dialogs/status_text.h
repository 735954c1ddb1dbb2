#pragma once
// The prompt window that the main frame lays over the first pane of its status bar: the text
// in red on white in the status bar's font, from the top left (2 pixels in), cut at the pane's
// edges. An empty text paints nothing.

#include <QWidget>

namespace dialogs {

class CmStatusText final : public QWidget {
    Q_OBJECT
public:
    explicit CmStatusText(QWidget* parent);
    QString Text() const { return text_; }
    void SetText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace dialogs
