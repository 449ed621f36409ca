#include "App.Form.Cadastro.ReciboAvulso.h"

#include "App.Adapter.Frame.ReciboAvulso.h"
#include "App.Lib.Application.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Exception.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "Common.Lib.Utils.h"
#include "App.Presenter.ReciboAvulso.h"
#include "Common.Dto.Empresa.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include <utility>

ZUNTA_REGISTER_FORM(TFormCadastroReciboAvulso)

TFormCadastroReciboAvulso::TFormCadastroReciboAvulso(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroReciboAvulso"), AParent)
{
    setWindowTitle(QStringLiteral("RECIBO AVULSO"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 531); // and its registration button
    place.Field(LabelListaTipoRecibo, EditListaTipoRecibo, u"ListaTipoRecibo", 8, 66, 279);
    place.Field(LabelData, DateEditData, u"Data", 298, 66, 130);
    place.Field(LabelValor, EditValor, u"Valor", 438, 66, 139);
    place.Field(LabelEmpresa, EditEmpresa, u"Empresa", 8, 124, 279);
    place.Field(LabelMunicipio, EditMunicipio, u"Municipio", 298, 124, 279);
    LabelDescricao = place.Caption(QStringLiteral("LabelDescricao"), 8, 182);
    place.Control(MemoDescricao, u"Descricao", 8, 200, 569, 100);
}

TReciboAvulsoPresenter &TFormCadastroReciboAvulso::presenter() const
{
    return static_cast<TReciboAvulsoPresenter &>(*FPresenter);
}

void TFormCadastroReciboAvulso::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TReciboAvulsoPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroReciboAvulso::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    // The proposals of a new receipt, fixed once, while the window holds no receipt.
    if (EditID->text().isEmpty()) {
        const std::int64_t idEmpresa = TApplicationZunta::GetInstance().EmpresaLogado().Id;
        if (idEmpresa != 0)
            m_empresaPadrao = QString::number(idEmpresa);
        if (const std::int64_t idMunicipio = presenter().GetIdMunicipioEmpresaLogado())
            m_municipioPadrao = QString::number(idMunicipio);
    }
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPessoa, QStringLiteral("Pessoa"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"));
    manager.Bind(EditListaTipoRecibo, QStringLiteral("Tipo Recibo"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoRecibo)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_TITULO"));
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelData);
    manager.Bind(EditValor, QStringLiteral("Valor"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValor);
    manager.Bind(EditEmpresa, QStringLiteral("Empresa"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelEmpresa)
        .Lookup(QStringLiteral("TPesquisaEmpresa"))
        .Default(m_empresaPadrao);
    manager.Bind(EditMunicipio, QStringLiteral("Município"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelMunicipio)
        .Lookup(QStringLiteral("TPesquisaMunicipio"))
        .Default(m_municipioPadrao);
    manager.Bind(MemoDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(200)
        .Caption(LabelDescricao);
}

void TFormCadastroReciboAvulso::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = TFrameBaseAdapter::New<TReciboAvulsoFrameAdapter>(VertScrollBoxDados, ADataSet);
    AFrame = frame;
    frame->SpeedButtonEdit->setVisible(false);
    frame->ProcMenuLateral = [this](TFrameBaseAdapter *AItem) { MenuLateralFrame(AItem); };
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroReciboAvulso::MenuLateralFrame(TFrameBaseAdapter *AFrame)
{
    auto *frame = qobject_cast<TReciboAvulsoFrameAdapter *>(AFrame);
    if (!frame)
        return;
    m_idMenuLateral = TUtils::StrEmptyToInt64(frame->TagString);
    TFormMenuPrint::New()
        .TitleMenu(frame->LabelPessoa->text())
        .AddButton(QStringLiteral("Impressão"),
                   [this](QObject *) {
                       try {
                           presenter().PrintReportReciboAvulso(m_idMenuLateral);
                       } catch (...) {
                           TDravikHandleException::Handle(std::current_exception());
                       }
                   })
        .SetCloseAfterClick(true)
        .Execute();
}

void TFormCadastroReciboAvulso::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}

void TFormCadastroReciboAvulso::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    const std::pair<TEdit *, QString> padroes[]
        = { { EditEmpresa, m_empresaPadrao }, { EditMunicipio, m_municipioPadrao } };
    for (const auto &[edit, padrao] : padroes)
        if (!padrao.isEmpty())
            if (TItemControl *item = FPresenter->FindItemControl(edit->objectName()))
                item->SetValueControl(padrao);
}

void TFormCadastroReciboAvulso::afterSave()
{
    TFormBaseCadastro::afterSave();
    if (TAppUtils::MessageSystem(QStringLiteral("QUESTION:Deseja imprimir o %1?")
                                     .arg(QStringLiteral("recibo avulso gerado")))
        == mrYes)
        presenter().PrintReportReciboAvulso(TUtils::StrEmptyToInt64(EditID->text()));
}
