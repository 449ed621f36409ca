#include "App.Presenter.ReciboAvulso.h"

#include "App.Base.Form.h"
#include "App.Interf.Form.CobrancaFilterReport.h"
#include "App.Lib.Application.h"
#include "App.Service.Municipio.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Base.FilterClass.h"
#include "Common.Dto.Empresa.h"
#include "Common.Entity.Municipio.h"
#include "SysUtils.h"

#include <memory>

ZUNTA_REGISTER_PRESENTER(TReciboAvulsoPresenter)

namespace {
const QString kReportFormReciboAvulso = QStringLiteral("TFormCobrancaFilterReport");
}

TReciboAvulsoPresenter::TReciboAvulsoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TReciboAvulsoPresenter"),
                           { { "ID_PESSOA", 0, "0000000000" },
                             { "PESSOA", 200 },
                             { "ID_MUNICIPIO", 0, "0000000000" },
                             { "MUNICIPIO", 100 },
                             { "DESCRICAO", 200 },
                             { "LISTA_TIPO_RECIBO", 0, "0000000000" },
                             { "TIPO_RECIBO", 100 },
                             { "DATA_CADASTRO", 0, "dd/mm/yyyy hh:nn:ss" },
                             { "DATA", 0, "dd/mm/yyyy" },
                             { "ID_OWNER", 0, "0000000000" },
                             { "USUARIO", 200 },
                             { "ID_EMPRESA", 0, "0000000000" },
                             { "EMPRESA", 200 },
                             { "VALOR", 0, ",0.00" } })
{ }

std::int64_t TReciboAvulsoPresenter::GetIdMunicipioEmpresaLogado()
{
    const std::int64_t idEmpresa = TApplicationZunta::GetInstance().EmpresaLogado().Id;
    if (idEmpresa == 0)
        return 0;
    try {
        const std::unique_ptr<TMunicipioEntity> municipio
            = TMunicipioService().FindByIdEmpresa(idEmpresa);
        return municipio ? municipio->Id : 0;
    } catch (...) {
        // Only a proposal: without the town the clerk chooses it.
        return 0;
    }
}

void TReciboAvulsoPresenter::PrintReportReciboAvulso(std::int64_t AId)
{
    const std::unique_ptr<TFormBase> form(TFormBase::CreateForm(kReportFormReciboAvulso));
    auto *report = dynamic_cast<IFormCobrancaFilterReport *>(form.get());
    if (!report)
        throw Exception(QStringLiteral("WARNING:O formulário %1 não está disponível.")
                            .arg(kReportFormReciboAvulso));
    TBaseFilterClass &filter = report->ReportFilter();
    const TMemberInfo *idRecibo = filter.ClassInfo().FindProperty(u"IdReciboAvulso");
    if (!idRecibo)
        throw Exception(QStringLiteral("ERROR:O filtro do relatório não possui IdReciboAvulso."));
    const QString id = QString::number(AId);
    idRecibo->SetValue(filter, TValue(id + u'#' + id));
    report->PrintReportByResource(QStringLiteral("recibo-avulso"));
}
