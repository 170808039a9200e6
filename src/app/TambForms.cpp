#include "TambForms.h"

#include <QCoreApplication>
#include <QTimer>

#include "AudioOutput.h"
#include "GameFlow.h"
#include "ModalShow.h"
#include "TDataForm.h"
#include "TEditorForm.h"
#include "TMainForm.h"
#include "TMainMenuForm.h"
#include "TParamsForm.h"
#include "TPrepareForm.h"
#include "TVictoryForm.h"
#include "WindowLossWatch.h"

namespace tamb {

TambForms::TambForms(std::unique_ptr<AudioOutput> audio) {
    main_ = std::make_unique<TMainForm>(ctx_);
    data_ = std::make_unique<TDataForm>(ctx_, std::move(audio));
    main_->setDataHolder(*data_);
    menu_ = std::make_unique<TMainMenuForm>(ctx_, *data_);
    prepare_ = std::make_unique<TPrepareForm>();
    victory_ = std::make_unique<TVictoryForm>(ctx_, *data_);
    editor_ = std::make_unique<TEditorForm>(ctx_, *data_);
    params_ = std::make_unique<TParamsForm>(ctx_, *data_);
    flow_ = std::make_unique<GameFlow>(ctx_, *main_, *menu_, *prepare_, *victory_, *editor_);
    // A game screen destroyed behind Qt's back ends the program as a close does.
    windowWatch_ = std::make_unique<WindowLossWatch>(*main_, [] { QCoreApplication::quit(); });
    wire();
}

TambForms::~TambForms() {
    // A running game draws on the game screen and plays through the data
    // holder until it has seen "exit": it ends before any form goes.
    main_->stopGame();
    windowWatch_.reset();
    flow_.reset();
    params_.reset();
    editor_.reset();
    victory_.reset();
    prepare_.reset();
    menu_.reset();
    data_.reset();
    main_.reset();
}

void TambForms::wire() {
    TMainForm* main = main_.get();
    TMainMenuForm* menu = menu_.get();
    TPrepareForm* prepare = prepare_.get();
    TEditorForm* editor = editor_.get();
    TParamsForm* params = params_.get();
    GameFlow* flow = flow_.get();

    prepare->setAnchor(main);
    victory_->setAnchor(main);
    params->setAnchor(main);

    QObject::connect(menu, &TMainMenuForm::configLoaded, params, [params] {
        params->ParamsInit();
        params->ParamsSet();
    });
    QObject::connect(menu, &TMainMenuForm::optionsRequested, params, [params] { showModal(params); });
    QObject::connect(menu, &TMainMenuForm::editorRequested, editor, [editor] { showModal(editor); });
    QObject::connect(params, &TParamsForm::brickIntervalChanged, main->Kirp, &CoalescingTimer::setInterval);

    QObject::connect(prepare, &TPrepareForm::activated, main, &TMainForm::hideStatusLabels);
    QObject::connect(prepare, &TPrepareForm::levelDue, flow, &GameFlow::levelDue);
    QObject::connect(main, &TMainForm::setupProgressed, prepare, &TPrepareForm::advanceProgress);
    QObject::connect(main, &TMainForm::levelReady, prepare, &TPrepareForm::finish);
    QObject::connect(main, &TMainForm::levelSetupFailed, flow, &GameFlow::levelSetupFailed);
    QObject::connect(main, &TMainForm::gameEnded, flow, &GameFlow::gameEnded);
    QObject::connect(main, &TMainForm::gameLeft, flow, &GameFlow::showMenuRoad);
    QObject::connect(editor, &TEditorForm::trialRequested, flow, &GameFlow::tryLevel);
}

void TambForms::start() {
    main_->show();
    // Whether or not the window system ever reports the game screen active.
    QTimer::singleShot(0, main_.get(), [this] { activate(); });
}

void TambForms::activate() {
    if (activated_) return;
    activated_ = true;
    menu_->layOut();
    editor_->layOut();
    main_->setUpScreen();
    flow_->showMenuRoad();
}

}  // namespace tamb
