#include "App.Lib.Utils.h"

#include "App.Lib.TableFill.h"

#include "App.Lib.Exception.h"
#include "App.Lib.Theme.h"

#include "Base64.h"
#include "Common.Base.Serialize.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"
#include "Desktop.h"
#include "Edit.h"
#include "Image.h"
#include "Label.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "SysUtils.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStringDecoder>
#include <QTextCursor>
#include <QThread>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

const QString IduMark = QStringLiteral("IDU:");
const QString FileLogMark = QStringLiteral("File Log:");
const QString UtilsChangeUserQuestion = QStringLiteral("QUESTION:Deseja alterar o usuário logado?");
const QString ReloginWarning = QStringLiteral("WARNING:Logue com o usuário utilizado anteriormente "
                                              "e efetue o logout\r\npara logar com um novo "
                                              "usuário.");

std::mutex stopTimerMutex;
std::function<void()> stopInactivityTimer;

bool onMainThread()
{
    QCoreApplication *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

void queueOnMainThread(const std::function<void()> &procedure)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    QMetaObject::invokeMethod(
        application,
        [procedure] {
            TDravikHandleException::Guard([&] {
                if (procedure)
                    procedure();
            });
        },
        Qt::QueuedConnection);
}

// Characters the original's Trim removes: every control character and the blank.
QString utilsTrimControl(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

// The caption that floats over an edit. It lives beside the edit (so it can rise above it) and
// goes with it.
class TFloatingLabel final : public TLabel
{
public:
    TFloatingLabel(TEdit *edit, const QString &caption)
        : TLabel(edit->parentWidget(), QStringLiteral("Label") + edit->objectName())
        , m_edit(edit)
    {
        setText(caption);
        edit->installEventFilter(this);
        connect(edit, &QObject::destroyed, this, &QObject::deleteLater);
        place();
        setVisible(!edit->isHidden());
        raise();
    }

    void animate(double targetSize, double offsetY)
    {
        auto *move = new QVariantAnimation(this);
        move->setDuration(100);
        move->setStartValue(m_offsetY);
        move->setEndValue(offsetY);
        connect(move, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
            m_offsetY = value.toDouble();
            place();
        });
        move->start(QAbstractAnimation::DeleteWhenStopped);

        auto *grow = new QVariantAnimation(this);
        grow->setDuration(100);
        grow->setStartValue(fontSize());
        grow->setEndValue(targetSize);
        connect(grow, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
            setFontSize(value.toDouble());
            place();
        });
        grow->start(QAbstractAnimation::DeleteWhenStopped);
    }

    double offsetY() const { return m_offsetY; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_edit) {
            switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                place();
                break;
            case QEvent::ShowToParent:
                show();
                raise();
                break;
            case QEvent::HideToParent:
                hide();
                break;
            default:
                break;
            }
        }
        return TLabel::eventFilter(watched, event);
    }

private:
    void place()
    {
        if (!m_edit)
            return;
        const QRect edit = m_edit->geometry();
        setGeometry(
            edit.x(), edit.y() + int(std::lround(m_offsetY)), edit.width(), sizeHint().height());
    }

    QPointer<QWidget> m_edit;
    // The caption's top relative to the edit's top: 3 inside the edit, -16 above it.
    double m_offsetY = 3;
};

TFloatingLabel *floatingLabelOf(TEdit *edit)
{
    if (!edit || !edit->parentWidget())
        return nullptr;
    return dynamic_cast<TFloatingLabel *>(edit->parentWidget()->findChild<TLabel *>(
        QStringLiteral("Label") + edit->objectName(), Qt::FindDirectChildrenOnly));
}

void moveFloatingLabel(TEdit *edit, double offsetY, TAlphaColor color)
{
    if (!edit || !edit->text().isEmpty())
        return;
    TFloatingLabel *label = floatingLabelOf(edit);
    if (!label)
        return;
    label->animate(14, offsetY);
    label->setFontColor(color);
}

QString decodeReport(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return FromWindows1252(bytes);
}

} // namespace

TMessageRequest TAppUtils::ParseMessage(const QString &message, const QString &titleForm)
{
    TMessageRequest request;
    request.Message = message;
    request.TitleForm = titleForm;

    QString text = message;
    const qsizetype idu = text.indexOf(IduMark);
    const qsizetype fileLog = text.indexOf(FileLogMark);
    if (idu >= 0)
        text.truncate(idu);
    if (fileLog >= 0) {
        // With "IDU:" before "File Log:" the log text comes out empty.
        request.FileLog = fileLog < text.size() ? text.mid(fileLog) : QString();
        request.FileLog = utilsTrimControl(request.FileLog).remove(QStringLiteral("\r\n"));
        if (fileLog < text.size())
            text.truncate(fileLog);
    }

    if (text.startsWith(QStringLiteral("WARNING:")))
        request.Kind = TMessageType::mtInformation;
    else if (text.startsWith(QStringLiteral("QUESTION:")))
        request.Kind = TMessageType::mtQuestion;
    else if (text.startsWith(QStringLiteral("SUCCESS")))
        request.Kind = TMessageType::mtSuccess;
    else
        request.Kind = TMessageType::mtError;

    text.remove(QStringLiteral("WARNING:"));
    text.remove(QStringLiteral("QUESTION:"));
    text.remove(QStringLiteral("ERROR:"));
    text.remove(QStringLiteral("SUCCESS"));
    request.Text = text;
    request.IsInitializateApp = message == UtilsChangeUserQuestion || message == ReloginWarning;
    return request;
}

int TAppUtils::MessageSystem(const QString &message, const QString &titleForm)
{
    if (!onMainThread()) {
        int result = mrOk;
        if (QCoreApplication *application = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                application,
                [&] { result = MessageSystem(message, titleForm); },
                Qt::BlockingQueuedConnection);
        }
        return result;
    }
    const TMessageRequest request = ParseMessage(message, titleForm);
    if (request.IsInitializateApp) {
        std::function<void()> stop;
        {
            std::lock_guard lock(stopTimerMutex);
            stop = stopInactivityTimer;
        }
        if (stop)
            stop();
    }
    return TMessageDisplay::Current().Show(request);
}

void TAppUtils::UtilsException(const QString &text)
{
    throw Exception(text);
}

void TAppUtils::HandleTerminateThread(std::exception_ptr failure)
{
    if (!failure)
        return;
    if (onMainThread()) {
        TDravikHandleException::Handle(failure);
        return;
    }
    const QString message = TDravikHandleException::MessageOf(failure);
    queueOnMainThread([message] { TDravikHandleException::Handle(message); });
}

void TAppUtils::SetStopInactivityTimer(std::function<void()> stop)
{
    std::lock_guard lock(stopTimerMutex);
    stopInactivityTimer = std::move(stop);
}

void TAppUtils::DelayedExecute(const std::function<void()> &procedure)
{
    queueOnMainThread(procedure);
}

void TAppUtils::DelayedQueueExecute(const std::function<void()> &procedure)
{
    queueOnMainThread(procedure);
}

void TAppUtils::DelayedCurrentThreadExecute(const std::function<void()> &procedure)
{
    queueOnMainThread(procedure);
}

void TAppUtils::DelayedSetFocus(QWidget *control)
{
    QPointer<QWidget> target(control);
    queueOnMainThread([target] {
        if (target && target->isEnabled())
            target->setFocus(Qt::OtherFocusReason);
    });
}

void TAppUtils::ClearVertScroll(TVertScrollBox *scrollBox)
{
    if (!scrollBox)
        return;
    // Freed once the current event has been handled: the control that asked may be one of them.
    for (QWidget *control : scrollBox->controls()) {
        control->hide();
        control->setParent(nullptr);
        control->deleteLater();
    }
}

void TAppUtils::EntraEdit(TEdit *edit)
{
    moveFloatingLabel(edit, -16, TThemeApp::Instance().ColorApp().SecondaryColor);
}

void TAppUtils::SaiEdit(TEdit *edit)
{
    moveFloatingLabel(edit, 3, TThemeApp::Instance().ColorApp().PrimaryColor);
}

QString TAppUtils::FirstName(const QString &text)
{
    const QString trimmed = utilsTrimControl(text);
    const qsizetype blank = trimmed.indexOf(u' ');
    return blank < 0 ? trimmed : trimmed.left(blank);
}

QString TAppUtils::RemoveCharENTER(const QString &text)
{
    QString result = text;
    result.remove(QStringLiteral("\r\n"));
    result.remove(QStringLiteral("\r\n"));
    return result;
}

QString TAppUtils::Idade(TDateTime dataNascimento)
{
    if (dataNascimento.Value() <= 0)
        return QString();
    constexpr double MSecsPerYear = 365.25 * MSecsPerDay;
    const double milliseconds
        = std::round(std::fabs(Now().Value() - dataNascimento.Value()) * MSecsPerDay);
    const auto years = static_cast<long long>(milliseconds / std::round(MSecsPerYear));
    return QString::number(years) + QStringLiteral(" ANO(S)");
}

double TAppUtils::GetScreenScale()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->devicePixelRatio();
    return 1.0;
}

void TAppUtils::InsertTextAtCursor(QObject *component, const QString &text)
{
    if (auto *memo = qobject_cast<QPlainTextEdit *>(component)) {
        QTextCursor cursor = memo->textCursor();
        const int start = cursor.selectionStart();
        const QString old = memo->toPlainText();
        const QString replaced = old.left(start) + text + old.mid(cursor.selectionEnd());
        if (auto *tmemo = qobject_cast<TMemo *>(memo))
            tmemo->setText(replaced);
        else
            memo->setPlainText(replaced);
        memo->setFocus(Qt::OtherFocusReason);
        cursor = memo->textCursor();
        cursor.setPosition(start + int(text.size()));
        memo->setTextCursor(cursor);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(component)) {
        const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        const int length = edit->hasSelectedText() ? int(edit->selectedText().size()) : 0;
        const QString old = edit->text();
        const QString replaced = old.left(start) + text + old.mid(start + length);
        if (auto *tedit = qobject_cast<TEdit *>(edit))
            tedit->setText(replaced);
        else
            edit->setText(replaced);
        edit->setFocus(Qt::OtherFocusReason);
        edit->setCursorPosition(start + int(text.size()));
    }
}

void TAppUtils::LoadQRCodeToImage(const QString &base64, TImage *image)
{
    if (!image)
        return;
    const QByteArray bytes = DecodeBase64(base64.toLatin1());
    if (!image->loadFromData(bytes))
        throw Exception(QStringLiteral("Bitmap image is not valid"));
}

const QString &TAppUtils::ReportOpenedMessage()
{
    static const QString text = QStringLiteral(
        "SUCCESSO relatório se encontra aberto em um programa externo.\r\nAo finalizar esse "
        "programa, clique em [OK].");
    return text;
}

void TAppUtils::OpenFile(const QString &fileName)
{
    // As the original, the desktop's answer is not checked: the message is shown either way.
    TDesktopServices::Current().OpenUrl(QUrl::fromLocalFile(fileName));
    MessageSystem(ReportOpenedMessage());
}

void TAppUtils::PrintFileTXT(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    QString text = decodeReport(file.readAll());
    file.close();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    QString output;
    for (const QString &line : std::as_const(lines))
        output += line + QStringLiteral("\r\n");
    for (int i = 0; i < 6; ++i)
        output += QStringLiteral("\r\n");
    TPrinting::Current().PrintRaw(ToWindows1252(output));
    MessageSystem(ReportOpenedMessage());
}

void TEditHelper::AddFloatingLabel(TEdit *edit, const QString &caption)
{
    if (!edit || !edit->parentWidget())
        return;
    const TThemeApp &theme = TThemeApp::Instance();
    auto *label = new TFloatingLabel(edit, caption);
    label->setTextFont(theme.FontApp().PrimaryFont());
    label->setFontColor(theme.ColorApp().PrimaryColor);
}

void TAppUtils::fillObjectsToDataSet(const std::vector<const TSerializeObject *> *objects,
                                     TMemTable &dataSet,
                                     std::function<void()> procAfterFindByFilter)
{
    if (!objects)
        return;
    TTableFill(dataSet, *objects).All();
    if (procAfterFindByFilter)
        DelayedCurrentThreadExecute(procAfterFindByFilter);
}
