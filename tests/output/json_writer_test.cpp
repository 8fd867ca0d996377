#include "output/json_writer.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace sarovin {
namespace {

// {"a": [1, -2.5, "x", true, null, [], {}], "b": {"c": 1e-07, "d": false}}
void WriteSample(JsonWriter& json) {
    json.BeginObject();
    json.Key("a");
    json.BeginArray();
    json.Number(1);
    json.Number(-2.5);
    json.String("x");
    json.Bool(true);
    json.Null();
    json.BeginArray();
    json.EndArray();
    json.BeginObject();
    json.EndObject();
    json.EndArray();
    json.Key("b");
    json.BeginObject();
    json.Key("c");
    json.Number(1e-7);
    json.Key("d");
    json.Bool(false);
    json.EndObject();
    json.EndObject();
}

QJsonDocument QtSample() {
    return QJsonDocument(QJsonObject{
        {"a", QJsonArray{1, -2.5, "x", true, QJsonValue(), QJsonArray(), QJsonObject()}},
        {"b", QJsonObject{{"c", 1e-7}, {"d", false}}}});
}

TEST(JsonWriter, IndentsAsQJsonDocumentDoes) {
    std::string json;
    JsonWriter writer(json, JsonLayout::Indented);
    WriteSample(writer);
    // QJsonDocument ends its document with a line end; the writer does not.
    EXPECT_EQ(json + "\n", QtSample().toJson(QJsonDocument::Indented).toStdString());
}

TEST(JsonWriter, CompactLeavesOutEverySpace) {
    std::string json;
    JsonWriter writer(json, JsonLayout::Compact);
    WriteSample(writer);
    EXPECT_EQ(json, QtSample().toJson(QJsonDocument::Compact).toStdString());
}

TEST(JsonWriter, StartsADeeperValueIndented) {
    std::string json;
    JsonWriter writer(json, JsonLayout::Indented, 1);
    writer.BeginArray();
    writer.Number(7);
    writer.EndArray();
    EXPECT_EQ(json, "    [\n        7\n    ]");
}

TEST(JsonWriter, WritesDoublesThatReadBackTheSame) {
    const double values[] = {0.1, 1.0 / 3, 359.99999999999994, 256.525641108778, 1e-300, 120.0};
    for (const double value : values) {
        std::string json;
        JsonWriter writer(json, JsonLayout::Compact);
        writer.Number(value);
        EXPECT_EQ(std::stod(json), value) << json;
    }
}

TEST(JsonWriter, WritesNullForNumbersJsonCannotHold) {
    std::string json;
    JsonWriter writer(json, JsonLayout::Compact);
    writer.BeginArray();
    writer.Number(std::numeric_limits<double>::quiet_NaN());
    writer.Number(std::numeric_limits<double>::infinity());
    writer.EndArray();
    EXPECT_EQ(json, "[null,null]");
}

}  // namespace
}  // namespace sarovin
