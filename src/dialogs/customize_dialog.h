#pragma once
// The modal "Customize" dialog: toolbar, time and score, confirmations,
// card back, background and sounds. Nothing is written before OK; Cancel
// and the close box put back the appearance that was in force.
#include <QDialog>
#include <QImage>
#include <QSize>
#include <optional>

#include "dialogs/appearance_choices.h"

class QCheckBox;
class QLabel;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantrel {

class DrawingHost;
class IniStore;
class StateRecord;

// What the dialog needs of the main window.
class AppearanceHost {
public:
    virtual ~AppearanceHost() = default;
    virtual StateRecord& state() = 0;
    virtual IniStore& prefs() = 0;
    virtual DrawingHost& pictures() = 0;
    // Screen width by the height under the large toolbar: single background
    // pictures are drawn for this area and shown shrunk.
    virtual QSize singlePictureArea() const = 0;
    virtual void setToolbar(bool large, bool flat) = 0;
    virtual void showTimeAndScore(bool time, bool score) = 0;
    // Back and card pictures reloaded, piles laid out, table redrawn.
    virtual void reloadTable() = 0;
    virtual void showHelp(int context) = 0;
};

class CustomizeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1019;
    static constexpr QSize SampleSize{180, 140};

    explicit CustomizeDialog(AppearanceHost& host, QWidget* parent = nullptr);

    // Opens the dialog modally and applies or restores on closing; true
    // after OK.
    bool run();

    // For the window's tests: the samples as they are drawn now.
    const QImage& backgroundSample() const { return backgroundSample_; }
    const QImage& deckSample() const { return deckSample_; }
    QString backgroundCaption() const;
    QString deckCaption() const;

private:
    void buildGeneralPage();
    void buildDecksPage();
    void buildBackgroundsPage();
    void buildSoundsPage();
    QTreeWidget* buildTree(const char* name, const std::vector<appearance::TreeNode>& nodes, const char* leafIcon);

    void opening();
    void writePreferences();
    void closing(bool accepted);

    void selectNode(QTreeWidget* tree, int code);
    int selectedCode(QTreeWidget* tree) const;
    void cardBackSelected();
    void backgroundSelected();
    void drawOpeningBackground();
    void drawBackgroundFor(int code);
    void fillSample(long long colourValue);
    void pageChanged();
    void showDeckSample();
    void showSamples();

    AppearanceHost& host_;
    std::optional<appearance::SavedAppearance> saved_;
    std::string openingColour_;

    QTabWidget* pages_ = nullptr;
    QCheckBox* chkTBLargeIcons_ = nullptr;
    QCheckBox* chkTBFlatBtn_ = nullptr;
    QCheckBox* chkShowTime_ = nullptr;
    QCheckBox* chkShowScore_ = nullptr;
    QCheckBox* chkWinningAnimation_ = nullptr;
    QCheckBox* chkConfirmQuitGame_ = nullptr;
    QCheckBox* chkConfirmOnExit_ = nullptr;
    QCheckBox* chkFadeBackground_ = nullptr;
    QCheckBox* chkSoundsEnabled_ = nullptr;
    QTreeWidget* trvCardBack_ = nullptr;
    QTreeWidget* trvBackGround_ = nullptr;
    QLabel* imgDeckSample_ = nullptr;
    QLabel* lblDeckCaption_ = nullptr;
    QLabel* imgBackSample_ = nullptr;
    QLabel* lblBackCaption_ = nullptr;

    QImage backgroundSample_;
    QImage deckSample_;
    QImage deckBase_;  // the background under the sample card
    QImage back_;      // the chosen back at the big card size
    bool sampleIsColour_ = false;
};

}  // namespace vantrel
