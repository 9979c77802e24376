#pragma once

#include <QRadioButton>

// A radio button whose caption is a name from a player or a file: an "&" in it is shown as it
// stands and never becomes an access key that would click the button or steal another's key.
class PlainRadioButton : public QRadioButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlainRadioButton)

public:
    explicit PlainRadioButton(const QString &text, QWidget *parent = nullptr);
    ~PlainRadioButton() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // How much wider the caption is shown than the button measures it with access keys.
    int captionGrowth() const;
};
