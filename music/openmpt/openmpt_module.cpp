#include "music/openmpt/openmpt_module.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>

namespace qv {

void OpenMptModule::Deleter::operator()(openmpt_module* module) const {
  openmpt_module_destroy(module);
}

std::optional<OpenMptModule> OpenMptModule::Load(std::span<const std::byte> bytes) {
  // The library's log and error reports would go to the user's terminal; a load that fails
  // is answered with handle 0 and nothing else.
  const openmpt_module_initial_ctl settings[] = {
      {"play.at_end", "stop"},
      {nullptr, nullptr},
  };
  openmpt_module* raw = openmpt_module_create_from_memory2(
      bytes.data(), bytes.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
      nullptr, nullptr, nullptr, settings);
  if (raw == nullptr) return std::nullopt;
  OpenMptModule module(raw);
  openmpt_module_set_repeat_count(raw, 0);
  return module;
}

std::size_t OpenMptModule::Read(uint32_t rate, std::size_t frames, float* interleaved) {
  return openmpt_module_read_interleaved_float_stereo(module_.get(), static_cast<int32_t>(rate),
                                                      frames, interleaved);
}

void OpenMptModule::SetPosition(uint16_t order, uint16_t row) {
  openmpt_module_set_position_order_row(module_.get(), order, row);
}

uint16_t OpenMptModule::Order() const {
  return static_cast<uint16_t>(std::max(0, openmpt_module_get_current_order(module_.get())));
}

uint16_t OpenMptModule::Row() const {
  return static_cast<uint16_t>(std::max(0, openmpt_module_get_current_row(module_.get())));
}

void OpenMptModule::SetGainMillibel(int32_t millibel) {
  openmpt_module_set_render_param(module_.get(), OPENMPT_MODULE_RENDER_MASTERGAIN_MILLIBEL,
                                  millibel);
}

double OpenMptModule::DurationSeconds() const {
  return openmpt_module_get_duration_seconds(module_.get());
}

}  // namespace qv
