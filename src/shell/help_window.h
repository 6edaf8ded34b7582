#pragma once
// Help: the help file beside the program (HTML, built from the game
// sources) split into topics, shown one topic at a time in a help window
// of our own. Topics are named by context number: 3000 + game number for
// a game's rules, 1000 the game chooser, 1019 the appearance dialog; the
// contents page has the name "contents".
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string_view>

class QLineEdit;
class QTextBrowser;
class QUrl;

namespace vantrel {

class MainWindow;

inline constexpr std::string_view HelpFile = "pallmore.html";
inline constexpr int RulesContext = 3000;
inline constexpr int ChooserContext = 1000;
inline constexpr int AppearanceContext = 1019;
inline const QString ContentsTopic = QStringLiteral("contents");

// Each topic starts with the line "<!--topic NAME-->"; what comes before
// the first one (the style sheet) goes with every topic.
struct HelpTopics {
    QString head;
    QStringList order;            // names in file order
    QMap<QString, QString> html;  // name -> body of the topic
    bool has(const QString& name) const { return html.contains(name); }
    // The topic as a page of its own; empty when there is none.
    QString page(const QString& name) const;
};
HelpTopics splitHelpTopics(const QString& file);

// One named help window: the rules window or the contents window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const HelpTopics& topics, const QString& title, QWidget* parent);
    // Shows the topic and brings the window up; false when there is none.
    bool showTopic(const QString& name);
    QString currentTopic() const { return current_; }
    QTextBrowser* browser() const { return browser_; }
    // Finds the text in the current topic after the cursor, then in the
    // topics after it; true when found.
    bool find(const QString& text);

private:
    void follow(const QUrl& link);
    void back();

    const HelpTopics& topics_;
    QTextBrowser* browser_;
    QLineEdit* search_;
    QString current_;
    QStringList history_;
};

enum class HelpWindowName { Rules, Proc };

// The two help windows of the main window, made when first needed and
// owned by it.
class HelpViewer {
public:
    explicit HelpViewer(MainWindow& window);
    ~HelpViewer();
    // False when the topic is not in the help file (the reason was shown).
    bool showTopic(HelpWindowName which, int context);
    bool showContents();
    HelpWindow* window(HelpWindowName which) const;

private:
    bool load();
    bool show(HelpWindowName which, const QString& topic);

    MainWindow& w_;
    HelpTopics topics_;
    bool loaded_ = false;
    QPointer<HelpWindow> rules_, proc_;
};

}  // namespace vantrel
