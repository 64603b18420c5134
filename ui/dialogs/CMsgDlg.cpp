#include "ui/dialogs/CMsgDlg.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>

#include <algorithm>

#include "platform/text/Convert.h"
#include "platform/window/AnimationView.h"
#include "platform/window/InputGate.h"
#include "platform/window/PaintPending.h"
#include "platform/window/WindowPrompter.h"
#include "resources/Resources.h"

namespace {

constexpr int kFileName = 1099;
constexpr int kMessage = 1100;
constexpr int kRecordCount = 1108;
constexpr int kFileNumber = 1008;
constexpr int kFileTotal = 1015;
constexpr int kHitCount = 1055;
constexpr int kAnimationPlace = 1102;
constexpr int kBar = 1123;
constexpr int kAnimation = 1096;

const std::string& CheckingMessage()
{
    static const std::string text = cp932::FromUtf8("ファイルをチェックしています。").value();
    return text;
}

const std::string& CancelQuestion()
{
    static const std::string text = cp932::FromUtf8("中止します。\nよろしいですか？").value();
    return text;
}

}  // namespace

CMsgDlg::CMsgDlg(QWidget* owner) : platform::Dialog(res::kProgressDialog, owner)
{
    // Enter away from "中止" does nothing: the dialog never closes itself.
    OnCommand(1, [] {});
}

void CMsgDlg::SetMessage(const std::string& text)
{
    m_message = text;
}

void CMsgDlg::Create()
{
    platform::Dialog::Create();
    repaint();
}

void CMsgDlg::Destroy()
{
    m_pumping = false;
    if (m_animation)
        m_animation->Stop();
    hide();
}

bool CMsgDlg::OnInitDialog()
{
    m_bar = ItemAs<QProgressBar>(kBar);
    RefreshNumbers();
    SetItemText(kFileName, m_fileName);
    SetItemText(kMessage, m_message);
    StartAnimation();
    // The first control, "中止", has the focus.
    return true;
}

void CMsgDlg::StartAnimation()
{
    QWidget* place = Item(kAnimationPlace);
    m_animation = new platform::AnimationView(place);
    m_animation->setObjectName(QStringLiteral("control%1").arg(kAnimation));
    m_animation->setGeometry(place->rect());
    m_animation->show();
    if (m_animation->Open(res::kProgressAnimation))
        m_animation->Play();
}

void CMsgDlg::showEvent(QShowEvent* event)
{
    platform::Dialog::showEvent(event);
    m_pumping = true;
}

void CMsgDlg::ShowNumber(int id, std::int32_t value)
{
    // Only a changed number is written: hits are counted on every record written.
    const auto* edit = ItemAs<QLineEdit>(id);
    if (edit && edit->text() != QString::number(value))
        SetItemText(id, std::to_string(value));
}

void CMsgDlg::RefreshNumbers()
{
    ShowNumber(kRecordCount, m_recordCount);
    ShowNumber(kHitCount, m_hitCount);
    ShowNumber(kFileNumber, m_fileNumber);
    ShowNumber(kFileTotal, m_fileTotal);
}

void CMsgDlg::SetFileInfo(const std::string& path, int fileNumber, int fileTotal)
{
    m_message = CheckingMessage();
    m_fileName = path;
    m_fileNumber = fileNumber;
    m_fileTotal = fileTotal;
    RefreshNumbers();
    SetItemText(kMessage, m_message);
    SetItemText(kFileName, m_fileName);
    repaint();
}

void CMsgDlg::SetRecordTotal(int recordCount)
{
    m_recordCount = recordCount;
    if (m_bar) {
        // A range of 0 to 0 would make Qt's bar run as a busy indicator; an empty file shows an empty bar.
        m_bar->setRange(0, std::max(recordCount, 1));
        m_bar->setValue(0);
        m_barWidth = m_bar->width();
        m_barPixels = 0;
    }
    RefreshNumbers();
}

int CMsgDlg::BarPixels(int position) const
{
    const int maximum = m_bar->maximum();
    const int clamped = std::clamp(position, 0, maximum);
    return static_cast<int>(static_cast<long long>(clamped) * m_barWidth / maximum);
}

void CMsgDlg::SetRecordPos(int recordNumber)
{
    if (!m_bar)
        return;
    // Called for every record: the bar is touched only when its filled part grows or shrinks by a pixel.
    const int pixels = BarPixels(recordNumber);
    if (pixels == m_barPixels)
        return;
    m_barPixels = pixels;
    m_bar->setValue(recordNumber);
}

void CMsgDlg::SetHitCount(int hitCount)
{
    m_hitCount = hitCount;
    RefreshNumbers();
}

void CMsgDlg::PumpMessages()
{
    if (!m_pumping)
        return;
    {
        const platform::InputGate gate(*this);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (QWidget* owner = parentWidget())
        platform::PaintPending(*owner);
}

bool CMsgDlg::IsCanceled() const
{
    return m_canceled;
}

void CMsgDlg::OnCancel()
{
    m_canceled = platform::CurrentPrompter().Confirm(CancelQuestion());
}
