#pragma once
// The turret-defence game's state and its logic tick; no window involved.
// Positions are float offsets in pixels from the centre of the screen, x right and y down.
// Directions are whole angle steps, 120 to the turn (3 degrees each), growing clockwise.

const int TIRO_MAX = 300;     // shots in the pool
const int INIMIGO_MAX = 700;  // enemies in the pool
const int ANGULO_PASSOS = 120; // angle steps to the full turn
const int VIDAS_INICIAIS = 10;

// One shot: where it is, which way it flies, and whether it is in flight.
struct Tiro {
    float x;
    float y;
    int direcao; // the turret's angle when the shot was fired
    int ativo;   // 1 in flight, 0 free
};

// One enemy: where it is, and whether it is in play.
struct Inimigo {
    float x;
    float y;
    int ativo; // 1 in play, 0 free
};

extern int vidas;
extern int pontos;
extern int angulo;
extern int atirou;
extern Tiro tiro[TIRO_MAX];
extern Inimigo inimigo[INIMIGO_MAX];

// The angle of a number of angle steps, in radians.
double passos_para_radianos(int passos);

// Puts the whole game in its start state: 10 lives, no points, angle 0, latch open, pools free.
void inicializa_jogo();

// Frees every shot record and clears its fields.
void inicializa_tiro();
// Makes record index a new shot at the centre in the turret's direction (draws one discarded number).
void cria_tiro(int index);
// Fires into the lowest free shot record, if there is one.
void novo_tiro();
// Moves shot index 2 px along its direction; frees it once it is out beyond any enemy's reach.
void move_tiro(int index);
// Moves every shot in flight.
void move_tiros();

// Frees every enemy record and clears its fields.
void inicializa_inimigos();
// Puts enemy index at 400 px from the centre in direction k (any whole number of angle steps).
void coloca_inimigo(int index, int k);
// Puts a new enemy into record index, in a direction drawn at random.
void cria_inimigo(int index);
// Spawns into the lowest free enemy record, if there is one.
void novo_inimigo();
// The spawner: one draw a tick, a new enemy when it is a multiple of 10.
void criador_inimigos();
// Moves enemy index one pixel toward the centre; an enemy exactly on the centre stays.
void move_inimigo(int index);
// Moves every enemy in play.
void move_inimigos();

// Turns the turret by the turning keys held now, keeping angulo in 0..119.
void vira_jogador();
// The fire key with its latch: one shot per press, nothing while no lives are left.
void dispara();
// Enemies that reached the turret cost a life each and are removed.
void colide_inimigos();
// Shots that reached an enemy remove it and score a point.
void colide_tiros();

// One logic tick: keys, turning, spawning, enemies, firing, shots, both collision tests.
void do_logic();
