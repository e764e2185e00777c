// Unpack throughput on a few hundred KB of Russian dream-book text packed by Pack.
#include "text/codepage.h"
#include "text/packedtext.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray russianText(qsizetype size)
{
    const QString lines[] = {
        QStringLiteral("Кошка – к мелкой ссоре с близким человеком.\r\n"),
        QStringLiteral("Видеть во сне луну – к переменам в семье; полная луна – к радости.\r\n"),
        QStringLiteral("Если снится дорога, которой вы не знаете, впереди новое знакомство.\r\n"),
        QStringLiteral("Чёрная собака – ложный друг, белая – верный помощник в делах.\r\n"),
        QStringLiteral("Пить чистую воду – к здоровью, мутную – к пустым хлопотам.\r\n"),
        QStringLiteral("Сон № 17: «огонь в печи» – в доме будет тепло и достаток.\r\n"),
    };
    QString text;
    for (int i = 0; text.size() < size; ++i)
        text += lines[(i * 7 + i / 6) % 6];
    return *somnar::encodeCp1251(text.left(size));
}

void BM_Unpack(benchmark::State &state)
{
    const QByteArray plain = russianText(state.range(0));
    const QByteArray packed = somnar::Pack(plain);
    for (auto _ : state)
        benchmark::DoNotOptimize(somnar::UnpackBytes(packed));
    state.SetBytesProcessed(state.iterations() * plain.size());
}

void BM_Pack(benchmark::State &state)
{
    const QByteArray plain = russianText(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(somnar::Pack(plain));
    state.SetBytesProcessed(state.iterations() * plain.size());
}

}

BENCHMARK(BM_Unpack)->Arg(4 * 1024)->Arg(300 * 1024);
BENCHMARK(BM_Pack)->Arg(300 * 1024);
