#include "App.Form.SubCadastro.PeriodoContrato.h"

#include "App.Adapter.Frame.PeriodoContrato.h"
#include "App.Form.SubCadastro.PlanoPeriodoContrato.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.PeriodoContrato.h"
#include "Common.Lib.Utils.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "ScrollBox.h"

#include <QScopeGuard>

#include <algorithm>
#include <set>

TFormSubCadastroPeriodoContrato::TFormSubCadastroPeriodoContrato(
    TFormSubCadastroPlanoPeriodoContrato *APlanos, QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroPeriodoContrato"), AParent)
    , FormPlanoPeriodoContrato(APlanos)
{
    setWindowTitle(QStringLiteral("Períodos de Vigência"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDataContrato, DateEditDataContrato, u"DataContrato", 8, 8, 160);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 180, 8, 400);
    place.Field(LabelDataContratoTransferencia,
                DateEditDataContratoTransferencia,
                u"DataContratoTransferencia",
                8,
                66,
                160);
    place.Field(LabelParcelasPagas, EditParcelasPagas, u"ParcelasPagas", 180, 66, 160);
    place.Field(LabelFidelidade, EditFidelidade, u"Fidelidade", 352, 66, 160);
    place.Control(VertScrollBoxPlano, u"VertScrollBoxPlano", 0, 124, 780, 560);
    DateEditDataContrato->OnChange = [this](QObject *) { calcularParcelasPagas(); };
    DateEditDataContratoTransferencia->OnChange = [this](QObject *) { calcularParcelasPagas(); };
}

void TFormSubCadastroPeriodoContrato::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TPeriodoContratoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroPeriodoContrato::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(DateEditDataContrato, QStringLiteral("Data do Contrato"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelDataContrato);
    manager.Bind(EditPessoa, QStringLiteral("Empresa Contr. Transf."))
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaPessoa"), QStringLiteral("EMP"))
        .Caption(LabelPessoa);
    manager.Bind(DateEditDataContratoTransferencia, QStringLiteral("Data Contr. Transf."))
        .MaxLength(10)
        .Caption(LabelDataContratoTransferencia);
    manager.Bind(EditParcelasPagas, QStringLiteral("Qtde. Parcelas Pagas"))
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Caption(LabelParcelasPagas);
    manager.Bind(EditFidelidade, QStringLiteral("Dias de Fidelização"))
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Caption(LabelFidelidade);
}

void TFormSubCadastroPeriodoContrato::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPeriodoContratoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroPeriodoContrato::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(DateEditDataContrato);
}

void TFormSubCadastroPeriodoContrato::FormCreate()
{
    TFormBaseSubCadastro::FormCreate();
    RegisterSubCadastro(FormPlanoPeriodoContrato);
}

void TFormSubCadastroPeriodoContrato::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 DateEditDataContrato,
                 nullptr,
                 nullptr,
                 false);
    // The plans are edited inside the period's record tab, below its fields.
    if (TRectangle *planos = FormPlanoPeriodoContrato->RectanglePrincipal) {
        planos->setParent(VertScrollBoxPlano->content());
        planos->setGeometry(0, 0, VertScrollBoxPlano->width(), VertScrollBoxPlano->height());
        planos->show();
    }
}

void TFormSubCadastroPeriodoContrato::fillTopText()
{
    LabelTopText->setText(DateToStr(DateEditDataContrato->date()));
}

void TFormSubCadastroPeriodoContrato::afterFillForm()
{
    TFormBaseSubCadastro::afterFillForm();
    calcularParcelasPagas();
}

void TFormSubCadastroPeriodoContrato::calcularParcelasPagas()
{
    int parcelas = 0;
    if (TryStrToInt(EditParcelasPagas->text().trimmed(), parcelas) && parcelas != 0)
        return;
    const TDateTime transferencia = DateEditDataContratoTransferencia->date();
    const TDateTime contrato = DateEditDataContrato->date();
    if (transferencia == 0 || contrato == 0)
        return;
    EditParcelasPagas->setText(
        QString::number(TUtils::CalcularMesesEntreDatas(transferencia, contrato)));
}

const std::vector<std::int64_t> &TFormSubCadastroPeriodoContrato::ListIdsPlanos()
{
    m_listIdsPlanos.clear();
    TMemTable &planos = FormPlanoPeriodoContrato->DataSetSubCadastro();
    if (!planos.Active())
        return m_listIdsPlanos;
    const TDataSetFilterKeeper keeper(planos);
    const auto idPlano
        = [&planos] { return planos.FieldByName(QStringLiteral("ID_PLANO"))->AsLargeInt(); };
    if (!m_idRegistroRemovido) {
        for (planos.First(); !planos.Eof(); planos.Next())
            m_listIdsPlanos.push_back(idPlano());
        return m_listIdsPlanos;
    }
    // Which plans the removed period sells, and which another period still sells.
    planos.SetFiltered(false);
    std::set<std::int64_t> outrosPeriodos;
    for (planos.First(); !planos.Eof(); planos.Next()) {
        if (planos.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->AsLargeInt()
            == *m_idRegistroRemovido)
            m_listIdsPlanos.push_back(idPlano());
        else
            outrosPeriodos.insert(idPlano());
    }
    std::erase_if(m_listIdsPlanos,
                  [&outrosPeriodos](std::int64_t AId) { return outrosPeriodos.count(AId) > 0; });
    return m_listIdsPlanos;
}

void TFormSubCadastroPeriodoContrato::executeRemover(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requireSubCadastroPermission(FPermissionRemover);
        const auto *frame = qobject_cast<TFrameBaseAdapter *>(Sender);
        const std::int64_t idRegistro = frame ? frame->IdRegistro() : 0;
        if (m_procExcluirServicosContrato) {
            m_idRegistroRemovido = idRegistro;
            const auto done = qScopeGuard([this] { m_idRegistroRemovido.reset(); });
            m_procExcluirServicosContrato();
        }
        PresenterSubCadastro()->Delete(idRegistro);
    });
}
