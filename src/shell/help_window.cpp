#include "shell/help_window.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "model/game.h"
#include "shell/core/path_helper.h"
#include "shell/main_window.h"
#include "shell/prompts.h"

namespace vantrel {

HelpTopics splitHelpTopics(const QString& file) {
    static const QRegularExpression marker(QStringLiteral("^<!--topic ([^>]*)-->\\s*$"),
                                           QRegularExpression::MultilineOption);
    static const QRegularExpression end(QStringLiteral("^<!--end-->\\s*$"), QRegularExpression::MultilineOption);
    HelpTopics t;
    QRegularExpressionMatchIterator it = marker.globalMatch(file);
    QRegularExpressionMatch m = it.hasNext() ? it.next() : QRegularExpressionMatch();
    t.head = file.left(m.hasMatch() ? m.capturedStart() : 0);
    while (m.hasMatch()) {
        const QString name = m.captured(1).trimmed();
        qsizetype from = m.capturedEnd();
        if (file.mid(from, 2) == QLatin1String("\r\n")) from += 2;
        else if (file.mid(from, 1) == QLatin1String("\n")) from += 1;
        QRegularExpressionMatch next = it.hasNext() ? it.next() : QRegularExpressionMatch();
        qsizetype to = next.hasMatch() ? next.capturedStart() : file.size();
        const QRegularExpressionMatch stop = end.match(file, from);
        if (stop.hasMatch() && stop.capturedStart() < to) to = stop.capturedStart();
        if (!t.html.contains(name)) t.order.append(name);
        t.html.insert(name, file.mid(from, to - from));
        m = next;
    }
    return t;
}

QString HelpTopics::page(const QString& name) const {
    if (!has(name)) return {};
    return head + html.value(name) + QStringLiteral("</body></html>");
}

HelpWindow::HelpWindow(const HelpTopics& topics, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window), topics_(topics), browser_(new QTextBrowser(this)), search_(new QLineEdit(this)) {
    setWindowTitle(title);
    resize(600, 560);
    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* backButton = new QPushButton(tr("&Back"), this);
    auto* findButton = new QPushButton(tr("&Find"), this);
    search_->setPlaceholderText(tr("Search"));
    auto* row = new QHBoxLayout;
    row->addWidget(contents);
    row->addWidget(backButton);
    row->addStretch(1);
    row->addWidget(search_, 2);
    row->addWidget(findButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(browser_, 1);
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    connect(contents, &QPushButton::clicked, this, [this] { follow(QUrl("#" + ContentsTopic)); });
    connect(backButton, &QPushButton::clicked, this, &HelpWindow::back);
    auto findTyped = [this] {
        if (!find(search_->text())) QApplication::beep();
    };
    connect(findButton, &QPushButton::clicked, this, findTyped);
    connect(search_, &QLineEdit::returnPressed, this, findTyped);
}

bool HelpWindow::showTopic(const QString& name) {
    if (!topics_.has(name)) return false;
    current_ = name;
    browser_->setHtml(topics_.page(name));
    show();
    raise();
    activateWindow();
    return true;
}

void HelpWindow::follow(const QUrl& link) {
    // Only links between topics; the help file names nothing outside.
    if (!link.scheme().isEmpty() || link.fragment().isEmpty()) return;
    const QString from = current_;
    if (showTopic(link.fragment()) && !from.isEmpty() && from != current_) history_.append(from);
}

void HelpWindow::back() {
    if (history_.isEmpty()) return;
    showTopic(history_.takeLast());
}

bool HelpWindow::find(const QString& text) {
    if (text.isEmpty()) return false;
    if (browser_->find(text)) return true;
    const qsizetype here = topics_.order.indexOf(current_);
    for (qsizetype step = 1; step <= topics_.order.size(); ++step) {
        const QString& name = topics_.order[(here + step) % topics_.order.size()];
        QTextDocument doc;
        doc.setHtml(topics_.page(name));
        if (doc.find(text).isNull()) continue;
        if (name != current_) history_.append(current_);
        showTopic(name);
        return browser_->find(text);
    }
    return false;
}

HelpViewer::HelpViewer(MainWindow& window) : w_(window) {}
HelpViewer::~HelpViewer() = default;

bool HelpViewer::load() {
    if (loaded_) return true;
    const std::string path = programPath(w_.game().state, HelpFile);
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        w_.prompts().error("Cannot find the help file:\n" + path);
        return false;
    }
    topics_ = splitHelpTopics(QString::fromUtf8(file.readAll()));
    loaded_ = true;
    return true;
}

HelpWindow* HelpViewer::window(HelpWindowName which) const {
    return which == HelpWindowName::Rules ? rules_.data() : proc_.data();
}

bool HelpViewer::show(HelpWindowName which, const QString& topic) {
    if (!load()) return false;
    if (!topics_.has(topic)) {
        w_.prompts().info("The help file has no topic " + topic.toStdString() + ".");
        return false;
    }
    // Asked from a modal dialog, the help window belongs to the dialog:
    // otherwise the dialog would keep it from being scrolled or closed.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = &w_;
    QPointer<HelpWindow>& slot = which == HelpWindowName::Rules ? rules_ : proc_;
    if (!slot)
        slot = new HelpWindow(topics_, which == HelpWindowName::Rules ? QObject::tr("Vantrel - Rules")
                                                                      : QObject::tr("Vantrel - Help"),
                              owner);
    else if (slot->parentWidget() != owner)
        slot->setParent(owner, Qt::Window);
    return slot->showTopic(topic);
}

bool HelpViewer::showTopic(HelpWindowName which, int context) { return show(which, QString::number(context)); }
bool HelpViewer::showContents() { return show(HelpWindowName::Proc, ContentsTopic); }

}  // namespace vantrel
