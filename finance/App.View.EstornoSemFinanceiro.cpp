#include "App.View.EstornoSemFinanceiro.h"

#include "App.Adapter.Frame.EstornoSemFinanceiro.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.EstornoSemFinanceiro.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"

#include <QDate>

ZUNTA_REGISTER_FORM(TFormViewEstornoSemFinanceiro)

TFormViewEstornoSemFinanceiro::TFormViewEstornoSemFinanceiro(QWidget *AParent)
    : TFormBaseViewEstornoMovimentacao(QStringLiteral("TFormViewEstornoSemFinanceiro"), AParent)
{
    setWindowTitle(QStringLiteral("ESTORNAR PARCELAS BONIFICADAS/CANCELADAS"));
    ToolBarFiltros->setHeight(72);
    const TPlacement filtros(ToolBarFiltros, 20, 30);
    filtros.Field(LabelFilterListaTipoTitulo, EditFilterListaTipoTitulo, u"FilterListaTipoTitulo", 16, 8, 220);
    filtros.Field(LabelFilterDataInicial, DateEditFilterDataInicial, u"FilterDataInicial", 246, 8, 140);
    filtros.Field(LabelFilterDataFinal, DateEditFilterDataFinal, u"FilterDataFinal", 396, 8, 140);
    filtros.Field(LabelFilterPessoa, EditFilterPessoa, u"FilterPessoa", 546, 8, 300);
    filtros.Field(LabelFilterEmpresa, EditFilterEmpresa, u"FilterEmpresa", 856, 8, 290);
}

TFormViewEstornoSemFinanceiro::~TFormViewEstornoSemFinanceiro() = default;

void TFormViewEstornoSemFinanceiro::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TEstornoSemFinanceiroPresenter>());
    TFormBaseViewEstornoMovimentacao::SetInfoPresenter();
}

void TFormViewEstornoSemFinanceiro::fillListFilterControl()
{
    TFormBaseViewEstornoMovimentacao::fillListFilterControl();
    const QDate hoje = QDate::currentDate();
    const QDate inicioMes(hoje.year(), hoje.month(), 1);
    const QDate fimMes(hoje.year(), hoje.month(), hoje.daysInMonth());
    TManagerControl &filters = FPresenter->ManagerFilterControls();
    filters.Bind(EditFilterListaTipoTitulo, QStringLiteral("Tipo Título"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterListaTipoTitulo)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_TITULO"));
    filters.Bind(DateEditFilterDataInicial, QStringLiteral("Data Inicial"))
        .IgnoreSave()
        .Default(DateToStr(QDateToDateTime(inicioMes)))
        .Caption(LabelFilterDataInicial);
    filters.Bind(DateEditFilterDataFinal, QStringLiteral("Data Final"))
        .IgnoreSave()
        .Default(DateToStr(QDateToDateTime(fimMes)))
        .Caption(LabelFilterDataFinal);
    filters.Bind(EditFilterPessoa, QStringLiteral("Favorecido"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"));
    filters.Bind(EditFilterEmpresa, QStringLiteral("Empresa"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterEmpresa)
        .Lookup(QStringLiteral("TPesquisaEmpresa"));
}

void TFormViewEstornoSemFinanceiro::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame
        = TFrameBaseAdapter::New<TEstornoSemFinanceiroFrameAdapter>(VertScrollBoxDados, ADataSet);
    frame->ProcEstornar = [this](TFrameBaseAdapter *ARow) { ProcEstornar(ARow); };
    AFrame = frame;
    TFormBaseViewEstornoMovimentacao::fillFrameItem(ADataSet, AFrame);
}

void TFormViewEstornoSemFinanceiro::ProcEstornar(TFrameBaseAdapter *AFrame)
{
    TDravikHandleException::Guard([this, AFrame] {
        requireMovimentar();
        estornarMovimentacaoFinanceira(idMovimentacaoOf(AFrame));
    });
}
