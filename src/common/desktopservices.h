#pragma once

#include "services.h"

#include <random>

// The real world: Qt dialogs, a clock-seeded generator, the folders of paths.h, libcurl.
class DesktopServices : public Services
{
public:
    DesktopServices();

    MsgResult messageBox(const QString &text, const QString &title, MsgIcon icon,
                         MsgButtons buttons) override;
    QString prompt(const QString &text, const QString &title, const QString &proposed) override;
    void randomize() override;
    double rnd() override;
    void programEnd() override;
    QString programFolder() const override;
    QString driveC() const override;
    QTime timeOfDay() const override;
    QString fetchText(const QString &url) override;
    bool canReadFolder(const QString &folder) override;

private:
    std::mt19937_64 m_generator;
};
