// One simulated board behind the USB layer with its board object, for the board-object tests.
#pragma once

#include <memory>

#include "boardapi/board/controller.h"
#include "tests/boardapi/fixtures/sim_layer_fixture.h"

class ControllerTest : public SimLayerTest {
 protected:
  void SetUp() override {
    board_ = AddBoards(1);
    device_ = OpenLayer();
    ASSERT_NE(device_, nullptr);
    controller_ = std::make_unique<CventrixController>(device_);
  }
  // The board object goes before the fixture closes the layer, as the board list does it.
  void TearDown() override { controller_.reset(); }

  int board_ = -1;
  HidDeviceHandle device_ = nullptr;
  std::unique_ptr<CventrixController> controller_;
};
