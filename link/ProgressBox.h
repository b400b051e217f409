#pragma once
// The progress bar of the transfer windows ("tbflood"): a box with its text
// printed inside and a bar drawn over it so that the text under the bar shows
// inverted and stays readable.

#include <QImage>
#include <QString>
#include <QWidget>

namespace clonelink {

class ProgressBox : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBox(QWidget* parent = nullptr);

    // Draws value of max (nothing when value > max) with the text label alone,
    // or label & " " & percent & "%" & suffix. Raises RuntimeError 380 for a
    // max that is not positive.
    void UpdateProgress(int max, int value, bool showPercent, const QString& label,
                        const QString& suffix);

    // What the box shows now.
    QString text() const { return text_; }
    int value() const { return value_; }
    int maximum() const { return max_; }
    QImage canvas() const { return canvas_; }

    QSize sizeHint() const override;

signals:
    // Every drawing, for whoever follows the transfer's progress.
    void drawn(const QString& text, int value, int maximum);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void draw();

    QImage canvas_;
    QString text_;
    QString measured_;
    int max_ = 100;
    int value_ = 0;
};

} // namespace clonelink
