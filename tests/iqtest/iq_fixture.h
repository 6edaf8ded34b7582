#pragma once
// A test window whose modal windows are answered by the test instead of a user.

#include "ciselny.h"
#include "dialogs.h"
#include "look.h"
#include "widgets.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class IqWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        iq::confirmed = iq::Answer::Unset;
        window = std::make_unique<iq::Ciselny>();
        window->runModal = [this](QDialog& dialog) {
            shown << dialog.objectName();
            const auto reply = replies.find(dialog.objectName());
            if (reply != replies.end())
                reply->second(dialog);
        };
        window->endProgram = [this] { ++programEnds; };
        window->show();
    }

    const iq::Ciselny::Controls& ui() const { return window->ui(); }

    // A reply that presses the button with this caption.
    static std::function<void(QDialog&)> press(const QString& caption)
    {
        return [caption](QDialog& dialog) {
            QPushButton* button = static_cast<iq::MessageWindow&>(dialog).button(caption);
            ASSERT_NE(button, nullptr) << qPrintable(caption);
            button->click();
        };
    }

    void startWithAge(const QString& age)
    {
        ui().stari->setText(age);
        window->starttest();
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            window->Timer1_Timer();
    }

    QString clock() const { return ui().minuty->text() + QLatin1Char(':') + ui().sekundy->text(); }

    std::unique_ptr<iq::Ciselny> window;
    std::map<QString, std::function<void(QDialog&)>> replies;
    QStringList shown;
    int programEnds = 0;
};
