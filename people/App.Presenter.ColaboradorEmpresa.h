#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ColaboradorEmpresa.h"
#include "Common.Dto.ColaboradorEmpresa.h"
#include "Common.Entity.ColaboradorEmpresa.h"

#include <QStringList>

class TMemTable;

// The employments of the staff member being edited, kept in the window until the staff member
// is saved. Removing an employment takes its function and team rows with it.
class TColaboradorEmpresaPresenter final
    : public TSubCadastroPresenterOf<TColaboradorEmpresaEntity,
                                     TColaboradorEmpresaDto,
                                     TColaboradorEmpresaService>
{
public:
    TColaboradorEmpresaPresenter();

    // The tables and remove lists of the employments' histories, set by the connector; not
    // owned. A null table has no rows to take along.
    TMemTable *DataSetFuncaoColaboradorEmpresa = nullptr;
    TMemTable *DataSetEquipeColaboradorEmpresa = nullptr;
    QStringList *ListRemoveFuncaoColaboradorEmpresa = nullptr;
    QStringList *ListRemoveEquipeColaboradorEmpresa = nullptr;

protected:
    QString GetFieldsSearch() override;
    // Every employment of the staff member IdPrincipal.
    void loadRows() override;
    // The function rows, then the team rows, of the employment row AId; stored ones go to their
    // remove lists.
    void deleteChildRecords(std::int64_t AId) override;
    // EMPRESA and MOTIVO: the texts of the chosen company and dismissal reason.
    void afterUpdateInfoRegistroFK() override;
};
