#include "driver/pass_steps.hpp"
#include "tensor/directional_analysis.hpp"

namespace tensor3d {
namespace {

class TensorPassSteps final : public PassSteps {
 public:
  void principal(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                 std::string_view tensorLabel, std::string_view unitsText,
                 PrincipalResult& result) override {
    principalAnalysis(results, tensor, kind, tensorLabel, unitsText, result);
  }
  void direction(RecordWriter& results, std::int32_t number, const DirectionEntry& entry,
                 const Tensor3& tensor, const PrincipalResult& principal, ProblemKind kind,
                 std::string_view tensorLabel, std::string_view unitsText) override {
    analyseDirection(results, number, entry, tensor, principal, kind, tensorLabel, unitsText);
  }
  void deriveModuli(ElasticConstants& elastic) override { tensor3d::deriveModuli(elastic); }
  ProblemKind convert(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                      ElasticConstants& elastic, std::string_view convertedLabel,
                      std::string_view unitsText, Tensor3& converted) override {
    return convertTensor(results, tensor, kind, elastic, convertedLabel, unitsText, converted);
  }
};

}  // namespace

PassSteps& tensorPassSteps() {
  static TensorPassSteps steps;
  return steps;
}

}  // namespace tensor3d
