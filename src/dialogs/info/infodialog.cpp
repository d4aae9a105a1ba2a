#include "infodialog.h"

#include "board/pictures.h"
#include "errors/errorscope.h"
#include "frame/clock.h"
#include "frame/languagetable.h"
#include "widgets/accessibility.h"
#include "widgets/focusring.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <mutex>

bool InfoDialog::SplashPending = false;
bool InfoDialog::SplashDone = false;

namespace {

constexpr int kSplashMilliseconds = 2500;

QLabel* pictureLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setPixmap(pictures::named(name, parent->devicePixelRatio()));
    label->setAlignment(Qt::AlignCenter);
    accessibility::setDecorative(label);
    return label;
}

// The dialog as a screen reader meets it: its title, the title line and OK.
QAccessibleInterface* withoutPictures(const QString& className, QObject* object)
{
    if (className == QLatin1String(InfoDialog::staticMetaObject.className()))
        return accessibility::withoutDecoration(static_cast<InfoDialog*>(object),
                                                QAccessible::Dialog);
    return nullptr;
}

} // namespace

InfoDialog::InfoDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(&withoutPictures); });
    ErrorScope::run(modules::frmInfo, "Form_Load", [&](ErrorScope& scope) {
        auto* layout = new QVBoxLayout(this);
        auto* pictures = new QHBoxLayout;
        pictures->addWidget(scope.attempt([&] { return pictureLabel(this, "info1.png"); }));
        pictures->addWidget(scope.attempt([&] { return pictureLabel(this, "info2.png"); }));
        layout->addLayout(pictures);

        Label0 = new QLabel(this);
        Label0->setObjectName(QStringLiteral("Label0"));
        Label0->setAlignment(Qt::AlignCenter);
        QFont titleFont = Label0->font();
        titleFont.setPointSize(16);
        titleFont.setBold(true);
        Label0->setFont(titleFont);
        layout->addWidget(Label0);

        cmdOK = new QPushButton(QStringLiteral("&OK"), this);
        cmdOK->setObjectName(QStringLiteral("cmdOK"));
        cmdOK->setDefault(true);
        cmdOK->hide();
        connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
        layout->addWidget(cmdOK, 0, Qt::AlignCenter);
    });
    keepFocusVisible(this);
    Form_Load();
}

QString InfoDialog::titleLine(const QString& programTitle)
{
    return QStringLiteral("%1  %2.%3.%4")
        .arg(programTitle)
        .arg(FROSTEL_VERSION_MAJOR)
        .arg(FROSTEL_VERSION_MINOR, 2, 10, QChar(u'0'))
        .arg(FROSTEL_VERSION_REVISION, 4, 10, QChar(u'0'));
}

void InfoDialog::Form_Load()
{
    ErrorScope::run(modules::frmInfo, "Form_Load", [&] {
        const QString title = language::text(100);
        Label0->setText(titleLine(title));
        setWindowTitle(title);
        if (SplashPending) {
            SplashPending = false;
            setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
            services::clock().singleShot(kSplashMilliseconds, this, [this] { Timer1_Timer(); });
        } else {
            cmdOK->show();
        }
    });
}

void InfoDialog::Timer1_Timer()
{
    ErrorScope::run(modules::frmInfo, "Timer1_Timer", [&] {
        SplashDone = true;
        close();
    });
}
