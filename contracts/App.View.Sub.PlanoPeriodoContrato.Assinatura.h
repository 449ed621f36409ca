#pragma once

#include "App.Base.Form.View.h"

#include <QString>

#include <cstdint>

class TBasePresenter;
class TImage;
class TLabel;
class TRectangle;

// "ASSINATURA NO PLANO": the customer's signature on a plan of a period, shown from its Base64
// text, replaced by a JPEG or PNG file chosen with a click on the picture and sent only by
// "Gravar", or removed. Hosted by a TFormContainer; the caller frees container and view.
class TFormSubViewPlanoPeriodoContratoAssinatura final : public TFormBaseView
{
public:
    explicit TFormSubViewPlanoPeriodoContratoAssinatura(QWidget *AParent = nullptr);

    TRectangle *RectangleAssinatura;
    TImage *ImageAssinatura;
    TRectangle *RectangleExcluir;
    TLabel *LabelExcluir;
    TRectangle *RectangleGravar;
    TLabel *LabelGravar;

    // The plan-of-period presenter (not owned), which sends and removes the signature.
    TFormSubViewPlanoPeriodoContratoAssinatura &SetPresenter(TBasePresenter *AValue);
    TFormSubViewPlanoPeriodoContratoAssinatura &SetAssinatura(const QString &AValue);
    TFormSubViewPlanoPeriodoContratoAssinatura &SetIdPlanoPeriodoContrato(std::int64_t AValue);
    // Shows the stored signature, when there is one.
    TFormSubViewPlanoPeriodoContratoAssinatura &Execute();

    void ApplyThemeApp() override;

    void ImageAssinaturaClick();
    void RectangleGravarClick();
    void RectangleExcluirClick();

    // Whether a file may be taken as a signature by its name: ends in .jpg, .jpeg or .png, in
    // any letter case.
    static bool IsExtensaoAceita(const QString &AFileName);

private:
    TBasePresenter *m_presenter = nullptr;
    QString m_assinatura;
    std::int64_t m_idPlanoPeriodoContrato = 0;
};
