#pragma once
// The test window: age entry, items, item list, clock and the result screen.

#include "itembank.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;

namespace iq {

class AgeBox;
class ClickLabel;
class PictureButton;

class Ciselny : public QMainWindow {
    Q_OBJECT
public:
    // Value of `current` once the results are on screen.
    static constexpr int kResultsShown = 21;

    struct Controls {
        QLabel* instrukce = nullptr;
        QLabel* pozice = nullptr;
        QFrame* ohrazeni = nullptr;
        QLabel* wokno = nullptr;
        QLabel* minuty = nullptr;
        QLabel* dvojtecka = nullptr;
        QLabel* sekundy = nullptr;
        QLabel* label2 = nullptr;
        std::array<ClickLabel*, 8> vycet{};  // entries 1..8 at indices 0..7
        QScrollBar* posunovatko = nullptr;
        PictureButton* predchozi = nullptr;
        PictureButton* dalsi = nullptr;
        PictureButton* cmdstart = nullptr;
        PictureButton* cmdvysledky = nullptr;
        PictureButton* cmdkonec = nullptr;
        QLabel* lblvek = nullptr;
        AgeBox* stari = nullptr;
        // item display; index i - 1 holds control i
        std::array<QLabel*, 9> zadani{};
        std::array<QLabel*, 8> zadani2{};
        std::array<ClickLabel*, 6> moznosti{};
        std::array<ClickLabel*, 6> moznosti2{};
        // result screen; row-indexed arrays use index r, zvyrazneni(k) is index k - 1
        QLabel* vasvysedek = nullptr;
        QLabel* progress = nullptr;
        QLabel* roztahnuti = nullptr;
        QLabel* rozpeti = nullptr;
        QLabel* vysledek = nullptr;
        std::array<QLabel*, 10> meritko{};
        QLabel* ramec = nullptr;
        std::array<QLabel*, 9> zvyrazneni{};
        std::array<QLabel*, 9> body{};
        std::array<QLabel*, 9> qocient{};
        std::array<QLabel*, 9> hodnoceni{};
        // menu Operace
        QMenu* operace = nullptr;
        QAction* start = nullptr;
        QAction* mnudalsi = nullptr;
        QAction* mnupredchozi = nullptr;
        QAction* vysledky = nullptr;
        QAction* konec = nullptr;
    };

    explicit Ciselny(const ItemBank& bank = ItemBank::shipped(), QWidget* parent = nullptr);
    ~Ciselny() override;

    const Controls& ui() const { return ui_; }
    // The clock; it runs while its interval is non-zero and it is active.
    QTimer& timer1() { return timer1_; }

    int current() const { return current_; }
    int itemcount() const { return itemcount_; }
    int answer(int item) const { return answers_.at(item); }
    int itemState(int item) const { return itemstate_.at(item); }

    // Runs a modal window; tests replace it to answer windows without an event loop.
    std::function<void(QDialog&)> runModal;
    // Ends the program at once; nothing is saved.
    std::function<void()> endProgram;
    // The cover window, restored together with this window.
    void setCover(QWidget* cover) { cover_ = cover; }

    // Test flow
    void starttest();
    void showitem(int n);
    void nextitem();
    void previtem();
    void chooseOption(int i);
    void refreshlist();
    void markcurrent();
    void markanswered(int n);
    void vycetClick(int k);
    void Timer1_Timer();
    void finishtest();
    void askresults();
    void askquit();

    // Item display
    void showfields();
    void hidefields();
    void fillItem(int n);  // clearing step, loadcells, loadoptions
    void loadcells(int n);
    void loadoptions(int n);

    // Result screen
    void evaluate();
    void filltable();
    // Percent score after the age factor, as `evaluate` computes it.
    int ageCorrectedScore() const;

protected:
    void changeEvent(QEvent* event) override;
    // The title-bar close asks like "Konec": closing the window alone would
    // leave the black cover over the screen.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(QWidget* client);
    void buildItemControls(QWidget* client);
    void buildResultControls(QWidget* client);
    void buildMenu();
    void connectEvents();
    void load();
    void clearItem();
    void setPrevEnabled(bool enabled);
    void setNextEnabled(bool enabled);
    void setEntryCurrent(int k, bool isCurrent);
    int entryNumber(int k) const;
    void runDialog(QDialog& dialog);

    const ItemBank& bank_;
    Controls ui_;
    QTimer timer1_;
    QPointer<QDialog> openOvereni_;
    QPointer<QWidget> cover_;

    int current_ = 0;
    int itemcount_ = 0;
    std::array<int, kMaxItems + 1> answers_{};
    std::array<int, kMaxItems + 1> itemstate_{};
};

}  // namespace iq
