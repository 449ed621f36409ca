#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ProfissionalConvenio.h"
#include "Common.ComplexPost.ProfissionalConvenio.h"
#include "Common.Dto.ProfissionalConvenio.h"

#include <QStringList>

class TMemTable;

// The professionals of the agreement being edited, kept in the window until the agreement is
// saved. Removing a professional removes his or her specialty rows with it.
class TProfissionalConvenioPresenter final
    : public TSubCadastroPresenterOf<TProfissionalConvenioComplexPost,
                                     TProfissionalConvenioDto,
                                     TProfissionalConvenioService>
{
public:
    TProfissionalConvenioPresenter();

    // The specialty table and the agreement presenter's list of removed specialty ids (neither
    // owned), set by the agreement window's connector.
    void SetDataSetEspecialidadeProfissionalConvenio(TMemTable *AValue)
    {
        m_dataSetEspecialidade = AValue;
    }
    void SetListRemoveEspecialidadeProfissionalConvenio(QStringList *AValue)
    {
        m_listRemoveEspecialidade = AValue;
    }

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // PROFISSIONAL: the chosen person's name.
    void afterUpdateInfoRegistroFK() override;
    // The specialty rows of the professional row go too, the stored ones' ids into the removed
    // specialties.
    void deleteChildRecords(std::int64_t AId) override;

private:
    TMemTable *m_dataSetEspecialidade = nullptr;
    QStringList *m_listRemoveEspecialidade = nullptr;
};
