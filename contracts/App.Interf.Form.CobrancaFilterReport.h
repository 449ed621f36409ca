#pragma once

#include <QString>

class TBaseFilterClass;

// The billing report window ("IMPRESSÕES DA COBRANÇA", class TFormCobrancaFilterReport): the
// reports of the billing side (receipts, carnets, charge slips) are printed through it. Other
// windows create it by class name without showing it, fill its report filter and ask it for one
// report kind:
//
//     std::unique_ptr<TFormBase> form(TFormBase::CreateForm("TFormCobrancaFilterReport"));
//     auto *report = dynamic_cast<IFormCobrancaFilterReport *>(form.get());
//     filter property "IdReciboAvulso" := "15#15";
//     report->PrintReportByResource("recibo-avulso");
//
// The caller owns and frees the window, also when printing fails.
class IFormCobrancaFilterReport
{
public:
    virtual ~IFormCobrancaFilterReport() = default;

    // The report filter the window sends with a report request. Its members are set by property
    // name (ClassInfo().FindProperty), each as "value#display text" as the filter bars send them.
    virtual TBaseFilterClass &ReportFilter() = 0;
    // Downloads the report of the kind (its resource, "recibo-avulso") for the filter and presents
    // it with the print settings the window applies to that kind. Failures raise.
    virtual void PrintReportByResource(const QString &AResource) = 0;
};
