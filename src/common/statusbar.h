#pragma once

#include <QLabel>
#include <QStatusBar>

#include <array>

// A status bar of fixed panels, numbered from 1 as the game numbers them.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(int panelCount, QWidget *parent = nullptr);
    ~StatusBar() override;

    QLabel *panel(int number) const; // objectName "Panels(number)"
    QString panelText(int number) const;
    void setPanelText(int number, const QString &text);

private:
    std::array<QLabel *, 4> m_panels{};
    int m_count = 0;
};
