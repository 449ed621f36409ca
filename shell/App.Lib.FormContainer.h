#pragma once

#include "App.Base.Form.h"

#include <QPointer>

#include <functional>
#include <memory>

class QEventLoop;
class TFormBaseView;
class TRectangle;

// The modal host of a view window and the wait overlay. It lies over the main window as a dimmed
// layer (or, without a main window on screen, covers the work area as a window of its own), so
// it needs no translucent top-level window and works with and without a compositor.
//
// Hosting: New, SetModifyBackgroundApoio and SetFormView, then Execute, which moves the view's
// LayoutBackground into RectangleContainter and runs a local event loop until the view's close
// procedure (its close button, its close timer, its own code) ends it and gives the content
// back; then the caller frees the container and reads its results from the view.
//
// Wait overlay: Execute without a view shows the layer and returns at once; the rest of the main
// window takes no input while it shows. Each action keeps the overlay it showed and closes and
// frees its own, so actions that overlap never close each other's:
//
//     auto overlay = std::make_shared<std::unique_ptr<TFormContainer>>();
//     TUtils::CustomThread([overlay] { *overlay = TFormContainer::New(); (*overlay)->Execute(); },
//                          ..., [overlay](bool) { overlay->reset(); }, ...);
class TFormContainer final : public TFormBase
{
public:
    // A container without owner.
    static std::unique_ptr<TFormContainer> New();
    // Gives back a view still hosted and takes the layer away.
    ~TFormContainer() override;

    TRectangle *RectanglePrincipal; // the dimming layer over everything
    TRectangle *RectangleContainter; // where the hosted view's content goes

    // The view to host (not owned) and whether it fills the container less its margins instead
    // of keeping its own size.
    TFormContainer &SetFormView(TFormBaseView *Value, bool AIsMaximize = false);
    // Whether the main window's side area moves into the container while a view is hosted
    // (true unless told otherwise).
    TFormContainer &SetModifyBackgroundApoio(bool Value);
    // With a view: hosts it and returns once it is closed. Without: shows the wait overlay and
    // returns at once.
    TFormContainer &Execute();
    // Ends the hosting: the view gets its content, close procedure and close button back; the
    // container is hidden and its loop ends. For a wait overlay only the hiding applies.
    void CloseForm() override;

    // The container is on screen.
    bool IsShowing() const { return m_showing; }

protected:
    // Replaces the base's creation: no permission request, no close procedure, no theme; only
    // the size of the work area.
    void FormCreate() override;

    bool eventFilter(QObject *AWatched, QEvent *AEvent) override;
    void keyPressEvent(QKeyEvent *AEvent) override;
    void keyReleaseEvent(QKeyEvent *AEvent) override;
    void wheelEvent(QWheelEvent *AEvent) override;
    void showEvent(QShowEvent *AEvent) override;

private:
    TFormContainer();

    void showLayer();
    void hideLayer();
    void giveViewBack();
    void forwardToView(QEvent *AEvent);

    bool m_modifyBackgroundApoio = true;
    bool m_visibleButtonClose = false;
    QPointer<TFormBaseView> m_formView;
    std::function<void()> m_oldExecuteClose;
    QPointer<QWidget> m_oldBackground;
    bool m_isMaximize = false;
    QPointer<QWidget> m_parentApoio;
    QPointer<QWidget> m_layoutApoio;
    QPointer<QWidget> m_buttonMaximizar;
    QPointer<QWidget> m_host;
    QEventLoop *m_loop = nullptr;
    bool m_hosting = false;
    bool m_showing = false;
};
