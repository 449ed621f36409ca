#include "App.Lib.Pesquisa.h"

#include "App.Base.Adapter.Pesquisa.h"
#include "App.Base.Form.Pesquisa.h"
#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.Utils.h"
#include "Common.Lib.Utils.h"

#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "SpeedButton.h"

#include <QFontMetrics>
#include <QVariant>

namespace {

const QString pesquisaNotFoundMessage = QStringLiteral("WARNING:Informações não localizadas.");

} // namespace

TPesquisa::TPesquisa(const QString &AClassName)
    : m_className(AClassName)
{ }

TPesquisa::~TPesquisa()
{
    if (TApplicationZunta *application = TApplicationZunta::FindInstance()) {
        // A lookup that found directly never had the side area: another lookup's window may be
        // showing there.
        if (FFormPesquisa)
            application->DesableLayoutApoio();
        if (application->OpenedPesquisa == this)
            application->OpenedPesquisa = nullptr;
    }
}

TPesquisa *TPesquisa::SetIdFind(std::int64_t AValue)
{
    FIdFind = AValue;
    return this;
}

TPesquisa *TPesquisa::SetCodigoFind(const QString &AValue)
{
    FListaCodigo = AValue;
    return this;
}

void TPesquisa::SetPresenter(std::unique_ptr<TBasePresenter> AValue)
{
    // The window forgets the old presenter before it is freed.
    if (FFormPesquisa)
        FFormPesquisa->SetPresenter(AValue.get());
    FPresenter = std::move(AValue);
}

bool TPesquisa::isPesquisaLista() const
{
    return m_className.toUpper() == QStringLiteral("TPESQUISALISTA");
}

void TPesquisa::Start(std::unique_ptr<TPesquisa> APesquisa,
                      TItemControl &AItemControl,
                      const TPesquisaRequest &ARequest)
{
    APesquisa->SetValueFixFilter(ARequest.ValueFixFilter);
    APesquisa->SetTitleFormPesquisa(ARequest.TitleFormPesquisa);
    if (ARequest.IdFind != 0)
        APesquisa->SetIdFind(ARequest.IdFind);
    // From here the lookup owns itself and ends with Release.
    APesquisa.release()->Execute(&AItemControl);
}

void TPesquisa::Release()
{
    if (m_released)
        return;
    m_released = true;
    deleteLater();
}

void TPesquisa::Execute(TItemControl *AItemControl, const TFormPesquisaClass &AClassFormPesquisa)
{
    try {
        const bool lista = isPesquisaLista();
        FItemControl = AItemControl;
        QWidget *control = AItemControl ? AItemControl->Control() : nullptr;
        const auto *edit = qobject_cast<const TEdit *>(control);
        const QString text
            = edit ? edit->text() : (control ? control->property("text").toString() : QString());
        const bool codigoPersonalizado = AItemControl && AItemControl->CodigoPersonalizado;
        if (lista) {
            const QString trimmed = text.trimmed();
            FListaCodigo = !text.isEmpty() && trimmed.size() <= 2 ? trimmed : QString();
        } else if (FIdFind == 0) {
            const std::int64_t id = TUtils::StrEmptyToInt64(text.trimmed());
            // Eleven characters or more are a text (a document number), never an id.
            if (id != 0 && text.size() <= 10 && !codigoPersonalizado)
                FIdFind = id;
        }
        const bool window = (!lista && FIdFind == 0) || codigoPersonalizado
            || (lista && FListaCodigo.isEmpty() && FIdFind == 0);
        if (window) {
            openFormPesquisa(text.trimmed(), AClassFormPesquisa);
            return;
        }
        instancePresenter();
    } catch (...) {
        // The binding that started the lookup leaves telling the person to the lookup.
        TDravikHandleException::Handle(std::current_exception());
        Release();
        throw;
    }
    // Releases the lookup itself on a failure.
    fillItemControl();
    Release();
}

void TPesquisa::openFormPesquisa(const QString &AText, const TFormPesquisaClass &AClassFormPesquisa)
{
    if (!FFormPesquisa) {
        FFormPesquisa = AClassFormPesquisa
            ? AClassFormPesquisa()
            : std::unique_ptr<TFormBasePesquisa>(TFormBase::Create<TFormBasePesquisa>());
    }
    instancePresenter();
    FFormPesquisa->SetPresenter(FPresenter.get());
    FFormPesquisa->LabelTitleForm->setText(FTitleFormPesquisa);
    FFormPesquisa->SetProcFillFrameItem([this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
        fillFrameItem(ADataSet, AFrame);
    });
    FFormPesquisa->SetProcBeforeFillFrame([this] { beforeFillFrame(); });
    FFormPesquisa->SpeedButtonClose->OnClick = [this](QObject *) { closePesquisa(); };
    FFormPesquisa->EditPesquisar->setText(AText);
    TApplicationZunta::GetInstance().OpenedPesquisa = this;
    FFormPesquisa->Execute();
}

void TPesquisa::fillFrameItem(TMemTable &DataSet, TFrameBaseAdapter *&Frame)
{
    if (!Frame)
        return;
    Frame->LabelID->setText(DataSet.FieldByName(QStringLiteral("ID"))->DisplayText());
    if (auto *row = qobject_cast<TFrameBaseAdapterPesquisa *>(Frame))
        row->ProcSelect = [this](TFrameBaseAdapter *AFrame) { selectFrameItem(AFrame); };
}

void TPesquisa::fillItemControl()
{
    try {
        // The read runs off the main thread, which keeps its windows painting meanwhile.
        TBasePresenter::runOffMainThread([this] { findObjectDto(); });
        if (!FObjectDto)
            TAppUtils::UtilsException(pesquisaNotFoundMessage);
        QWidget *control = FItemControl->Control();
        if (auto *edit = qobject_cast<TEdit *>(control))
            edit->setText(FValueDescricao);
        else if (control && control->metaObject()->indexOfProperty("text") >= 0)
            control->setProperty("text", FValueDescricao);
        FItemControl->Id = FObjectDto->Id;
        afterFindObjectDto();

        TLabel *caption = FItemControl->CaptionControl.data();
        QString captionText;
        if (isPesquisaLista()) {
            captionText = FItemControl->TitleControl + QStringLiteral(" - Código: ")
                + FItemControl->OtherInfo;
        } else {
            if (FInfoRetorno.isEmpty()) {
                FInfoRetorno = FItemControl->TitleControl + QStringLiteral(" - ID: ")
                    + QString::number(FObjectDto->Id);
            } else {
                FInfoRetorno = FItemControl->TitleControl + QStringLiteral(" - ") + FInfoRetorno;
            }
            captionText = FInfoRetorno;
        }
        if (caption) {
            caption->setText(captionText);
            const QFontMetrics metrics(caption->font());
            caption->setWidth(metrics.horizontalAdvance(captionText) + 10);
        }
        if (FItemControl->ProcPesquisa)
            FItemControl->ProcPesquisa(FObjectDto.get(), TTypeEventProc::epSearch);
    } catch (...) {
        QWidget *control = FItemControl ? FItemControl->Control() : nullptr;
        if (control && control->parentWidget())
            TDravikHandleException::Handle(pesquisaNotFoundMessage);
        Release();
        throw;
    }
}

void TPesquisa::selectFrameItem(TFrameBaseAdapter *AFrame)
{
    FIdFind = TUtils::StrEmptyToInt64(AFrame->TagString);
    fillItemControl();
    Release();
}

void TPesquisa::closePesquisa()
{
    Release();
}
